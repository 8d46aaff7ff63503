// Message dictionaries: a registry of 31 slots, each a key and a descriptor.
// No slot is ever filled, so every lookup finds no dictionary; the exports
// still behave as they would with a filled registry.
#include "frame/thread_buffer.h"

namespace kod {
namespace {

struct SlotMsg {
    int key;
    const _stSlownikMsg* descriptor;
};

SlotMsg SlownikiMsg[31];
const int kLiczbaSlotowMsg = 31;
const KChar kPustyTekst[1] = {0};

const _stKodMsg* ZnajdzKod(const _stSlownikMsg* d, const KChar* code) {
    if (!d || !code) return nullptr;
    for (int i = 0; i < d->count; ++i) {
        if (TextEqual(d->entries[i].code, code)) return &d->entries[i];
    }
    return nullptr;
}

// The descriptor registered under a key; the last slot answers every key
// that no other slot holds.
const _stSlownikMsg* SlownikMsg(int key) {
    for (int i = 0; i < kLiczbaSlotowMsg - 1; ++i) {
        if (SlownikiMsg[i].key == key) return SlownikiMsg[i].descriptor;
    }
    return SlownikiMsg[kLiczbaSlotowMsg - 1].descriptor;
}

// The message of a code copied into the calling thread's buffer, or the
// empty text.
const KChar* KomunikatKodu(int key, const KChar* code) {
    // A thread that was running before the library was loaded has no buffer
    // yet: it gets one here. Without memory there is nowhere to copy a
    // message to, and the empty text is the answer.
    KChar* buffer = BuforWatku();
    if (!code || !*code) return kPustyTekst;
    const _stKodMsg* entry = ZnajdzKod(SlownikMsg(key), code);
    if (!entry || !entry->message || !buffer) return kPustyTekst;
    int n = 0;
    for (; n < kBuforZnakow - 1 && entry->message[n]; ++n) buffer[n] = entry->message[n];
    buffer[n] = 0;
    return buffer;
}

// Whether a code may be chosen: the entry's flag, 0 for no entry.
constexpr int kNieDoWyboru = 0;

}  // namespace
}  // namespace kod

using namespace kod;

extern "C" {

KOD_EXPORT const _stSlownikMsg* KVDSlownikGet(int key) { return SlownikMsg(key); }

KOD_EXPORT const _stSlownikMsg* sl_KVDSlownikGet(int key) { return SlownikMsg(key); }

KOD_EXPORT const KChar* KVDSlownikGetKodMsg(int key, const KChar* code, const KChar* /*date*/) {
    return KomunikatKodu(key, code);
}

KOD_EXPORT const KChar* sl_KVDSlownikGetKodMsg(int key, const KChar* code, const KChar* /*date*/) {
    return KomunikatKodu(key, code);
}

KOD_EXPORT int KVDSlownikKodDoWyboru(int key, const KChar* code) {
    const _stKodMsg* entry = ZnajdzKod(SlownikMsg(key), code);
    return entry ? static_cast<int>(entry->selectable) : kNieDoWyboru;
}

}  // extern "C"
