#include "frame/thread_buffer.h"

#include <cstdlib>

#include "platform/platform.h"

namespace kod {
namespace {

// Every buffer carries a link into one list of live buffers, so that an
// unload frees the buffers of threads that are still running.
struct Naglowek {
    Naglowek* prev;
    Naglowek* next;
};
Naglowek* g_bufory = nullptr;

KChar* Utworz() {
    void* raw = std::calloc(1, sizeof(Naglowek) + kBuforZnakow * sizeof(KChar));
    if (!raw) return nullptr;
    Naglowek* h = static_cast<Naglowek*>(raw);
    platform::ZablokujRejestr();
    h->next = g_bufory;
    if (g_bufory) g_bufory->prev = h;
    g_bufory = h;
    platform::OdblokujRejestr();
    KChar* buffer = reinterpret_cast<KChar*>(h + 1);
    platform::UstawWartoscWatku(buffer);
    return buffer;
}

void Zwolnij(void* buffer) {
    if (!buffer) return;
    Naglowek* h = reinterpret_cast<Naglowek*>(buffer) - 1;
    platform::ZablokujRejestr();
    if (h->prev) h->prev->next = h->next; else g_bufory = h->next;
    if (h->next) h->next->prev = h->prev;
    platform::OdblokujRejestr();
    std::free(h);
}

}  // namespace

KChar* BuforWatku() {
    KChar* buffer = static_cast<KChar*>(platform::WartoscWatku());
    return buffer ? buffer : Utworz();
}

void PrzyZaladowaniu() { Utworz(); }

void PrzyStarcieWatku() {
    if (!platform::WartoscWatku()) Utworz();
}

void PrzyKoncuWatku(void* buffer) {
    Zwolnij(buffer);
    platform::UstawWartoscWatku(nullptr);
}

void PrzyWyladowaniu() {
    platform::UstawWartoscWatku(nullptr);
    platform::ZablokujRejestr();
    Naglowek* h = g_bufory;
    g_bufory = nullptr;
    platform::OdblokujRejestr();
    while (h) {
        Naglowek* next = h->next;
        std::free(h);
        h = next;
    }
}

}  // namespace kod
