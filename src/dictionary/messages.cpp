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

}  // namespace
}  // namespace kod

using namespace kod;

extern "C" {

KOD_EXPORT const _stSlownikMsg* KVDSlownikGet(int key) {
    for (int i = 0; i < kLiczbaSlotowMsg - 1; ++i) {
        if (SlownikiMsg[i].key == key) return SlownikiMsg[i].descriptor;
    }
    return SlownikiMsg[kLiczbaSlotowMsg - 1].descriptor;
}

KOD_EXPORT const _stSlownikMsg* sl_KVDSlownikGet(int key) { return KVDSlownikGet(key); }

KOD_EXPORT const KChar* KVDSlownikGetKodMsg(int key, const KChar* code, const KChar* /*date*/) {
    // A thread that was running before the library was loaded has no buffer
    // yet: it gets one here. Without memory there is nowhere to copy a
    // message to, and the empty text is the answer.
    KChar* buffer = BuforWatku();
    if (!code || !*code) return kPustyTekst;
    const _stKodMsg* entry = ZnajdzKod(KVDSlownikGet(key), code);
    if (!entry || !entry->message || !buffer) return kPustyTekst;
    int n = 0;
    for (; n < kBuforZnakow - 1 && entry->message[n]; ++n) buffer[n] = entry->message[n];
    buffer[n] = 0;
    return buffer;
}

KOD_EXPORT const KChar* sl_KVDSlownikGetKodMsg(int key, const KChar* code, const KChar* date) {
    return KVDSlownikGetKodMsg(key, code, date);
}

KOD_EXPORT int KVDSlownikKodDoWyboru(int key, const KChar* code) {
    const _stKodMsg* entry = ZnajdzKod(KVDSlownikGet(key), code);
    return entry ? static_cast<int>(entry->selectable) : 0;
}

}  // extern "C"
