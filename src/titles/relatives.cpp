// Relationship codes of family members (dictionary 10006). The attribute of
// an entry is a bit set: 8 ascendants, 4 every code, 16 children and
// grandchildren, 32 parents and grandparents, 1 spouse, parents,
// step-parents and grandparents, 2 adopters. A short text "3" marks the
// codes of children.
#include "dictionary/catalogue.h"
#include "dictionary/trie.h"
#include "frame/build.h"
#include "frame/result.h"

namespace kod {
namespace {

constexpr unsigned int kSlownikPokrewienstwa = 10006;
constexpr unsigned kBitWstepni = 8;
constexpr unsigned kBitKazdy = 4;
constexpr unsigned kMaskaStarszy = 32;  // age group 'S'
constexpr unsigned kMaskaMlodszy = 16;  // age group 'M'

// Slot of a two-digit relationship code, or null.
const _stOpisKodu* SlotPokrewienstwa(const KChar* code) {
    ZbudujSlowniki();
    if (!KodCyfrowy(code, 2)) return nullptr;
    const _stOpisKodu* slot = ZnajdzSlot(KorzenSlownika(kSlownikPokrewienstwa), code);
    return (slot && slot->entries) ? slot : nullptr;
}

bool MaBit(const _stOpisOkresu& e, unsigned bits) { return (CharValue(e.attribute) & bits) != 0; }

}  // namespace
}  // namespace kod

using namespace kod;

extern "C" {

KOD_EXPORT int fb_KVDKodPokrewienstwa(const KChar* code, int question, int character) {
    const _stOpisKodu* slot = SlotPokrewienstwa(code);
    if (!slot) return kNie;
    const KChar c = static_cast<KChar>(character);
    const unsigned count = CharValue(slot->count);
    for (unsigned i = 0; i < count; ++i) {
        const _stOpisOkresu& e = slot->entries[i];
        const bool match = (question == 1 && MaBit(e, kBitWstepni)) || (question == 2 && MaBit(e, kBitKazdy)) ||
                           (question == 3 && (!e.short_text || e.short_text[0] == c));
        if (match) return kTak;
    }
    return kNie;
}

KOD_EXPORT int fb_KVDKodPokrewienstwaJest(const KChar* code, int question) {
    const _stOpisKodu* slot = SlotPokrewienstwa(code);
    if (!slot) return kNie;
    const unsigned count = CharValue(slot->count);
    for (unsigned i = 0; i < count; ++i) {
        const _stOpisOkresu& e = slot->entries[i];
        if (question == 1 && MaBit(e, kBitWstepni)) return kTak;
        if (question == 2 && MaBit(e, kBitKazdy)) return kTak;
        if (question == 3) {
            if (!e.short_text) return kNie;  // a code without the mark is no child
            if (e.short_text[0]) return kTak;
        }
    }
    return kNie;
}

// age_group: 'S' or 'M', or any other character whose code is the mask.
KOD_EXPORT int fb_KVDKodPokrewienstwaWiek(const KChar* code, int age_group) {
    const KChar c = static_cast<KChar>(age_group);
    const unsigned mask = c == 'S' ? kMaskaStarszy : c == 'M' ? kMaskaMlodszy : CharValue(c);
    const _stOpisKodu* slot = SlotPokrewienstwa(code);
    if (!slot) return kNie;
    const unsigned count = CharValue(slot->count);
    for (unsigned i = 0; i < count; ++i) {
        if (MaBit(slot->entries[i], mask)) return kTak;
    }
    return kNie;
}

}  // extern "C"
