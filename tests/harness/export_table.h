// The 59 exports as the test harnesses see them: name, parameter kinds,
// result kind and a typed call through the export's own declaration in
// include/kodownik/kodownik.h. Include it after choosing the text type
// (KODOWNIK_WIDE or not); each translation unit serves one text type.
//
// Parameter kinds: T text of the build, N 8-bit text, I int, U unsigned int,
// P trie slot, O int result place, B date buffer, L null-ended array of
// texts, V variadic texts (a null ends them).
// Result kinds: I int, B one-byte boolean, T text, S trie slot, E edition
// record, M message dictionary.
//
// Every call goes through a pointer of the exact function type (so that
// -fsanitize=function stays quiet); variadic exports receive kVarArgs
// further text pointers, of which the caller sets a null at the end of the
// list it means.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

#include "kodownik/kodownik.h"

// Each text type gets its own namespace, so that both can live in one program.
#ifdef KODOWNIK_WIDE
#define HARNESS_NS harness_w
#else
#define HARNESS_NS harness_a
#endif

namespace HARNESS_NS {

#ifdef KODOWNIK_WIDE
constexpr bool kWideText = true;
#else
constexpr bool kWideText = false;
#endif

constexpr int kVarArgs = 412;          // up to 411 dates and the terminating null
constexpr int kMaxFixed = 8;           // the longest fixed parameter list has 7
constexpr int kMaxArgs = kMaxFixed + kVarArgs;

typedef intptr_t (*Invoke)(void* fn, const intptr_t* args);

struct Export {
    const char* name;
    const char* params;
    char result;
    Invoke invoke;
    const char* symbol_w;  // exported symbol in a Linux / Windows library of each text type
    const char* symbol_a;
    const char* win_w;
    const char* win_a;
};

namespace detail {

template <class T>
T FromInt(intptr_t v) {
    if constexpr (std::is_pointer<T>::value) return reinterpret_cast<T>(v);
    else return static_cast<T>(v);
}

template <class R>
intptr_t ToInt(R r) {
    if constexpr (std::is_pointer<R>::value) return reinterpret_cast<intptr_t>(r);
    else return static_cast<intptr_t>(r);
}

template <class F>
struct Invoker;

template <class R, class... A>
struct Invoker<R (*)(A...)> {
    template <std::size_t... I>
    static intptr_t Run(void* fn, const intptr_t* a, std::index_sequence<I...>) {
        auto f = reinterpret_cast<R (*)(A...)>(fn);
        return ToInt(f(FromInt<A>(a[I])...));
    }
    static intptr_t Call(void* fn, const intptr_t* a) { return Run(fn, a, std::index_sequence_for<A...>{}); }
};

template <class R, class... A>
struct Invoker<R (*)(A..., ...)> {
    template <std::size_t... I, std::size_t... J>
    static intptr_t Run(void* fn, const intptr_t* a, std::index_sequence<I...>, std::index_sequence<J...>) {
        auto f = reinterpret_cast<R (*)(A..., ...)>(fn);
        return ToInt(f(FromInt<A>(a[I])..., reinterpret_cast<const KChar*>(a[sizeof...(A) + J])...));
    }
    static intptr_t Call(void* fn, const intptr_t* a) {
        return Run(fn, a, std::index_sequence_for<A...>{}, std::make_index_sequence<kVarArgs>{});
    }
};

// Fixed parameters and whether the function is variadic, from its type.
template <class F>
struct Shape;
template <class R, class... A>
struct Shape<R (*)(A...)> {
    static constexpr int fixed = sizeof...(A);
    static constexpr bool variadic = false;
};
template <class R, class... A>
struct Shape<R (*)(A..., ...)> {
    static constexpr int fixed = sizeof...(A);
    static constexpr bool variadic = true;
};

constexpr int FixedKinds(const char* p) { return *p == 0 ? 0 : (*p == 'V' ? 0 : 1) + FixedKinds(p + 1); }
constexpr bool HasVariadic(const char* p) { return *p != 0 && (*p == 'V' || HasVariadic(p + 1)); }

}  // namespace detail

// X(name, params, result): the 57 exports with C linkage.
#define HARNESS_C_EXPORTS(X)                                           \
    X(sl_PoprawnyKod, "TI", 'I')                                       \
    X(sl_PobierzSlownik, "U", 'S')                                     \
    X(sl_PobierzOpisKodu, "PT", 'S')                                   \
    X(sl_PobierzNazweSlownika, "U", 'T')                               \
    X(sl_PobierzOpisOkresu, "ITI", 'E')                                \
    X(KVDSlownikGet, "I", 'M')                                         \
    X(sl_KVDSlownikGet, "I", 'M')                                      \
    X(KVDSlownikGetKodMsg, "ITT", 'T')                                 \
    X(sl_KVDSlownikGetKodMsg, "ITT", 'T')                              \
    X(KVDSlownikKodDoWyboru, "IT", 'I')                                \
    X(sl_Now, "B", 'I')                                                \
    X(sl_PoprawnaData_DDMMRRRR, "T", 'I')                              \
    X(sl_PoprawnaData_MMRRRR, "T", 'I')                                \
    X(sl_PoprawnaData_DDMM, "T", 'I')                                  \
    X(sl_PrzeksztalcDate_DDMMRRRR, "T", 'I')                           \
    X(sl_PrzeksztalcDate_MMRRRR, "T", 'I')                             \
    X(sl_PrzeksztalcDate_DDMM, "T", 'I')                               \
    X(sl_NajwczesniejszaData, "TV", 'T')                               \
    X(sl_NajpozniejszaData, "TV", 'T')                                 \
    X(fb_KVDKodSprawdzArkusze, "ITT", 'I')                             \
    X(fb_KVDKodSprawdz, "IT", 'I')                                     \
    X(sl_CzyPrawidlowyKodLiterowy, "PTI", 'I')                         \
    X(sl_SprawdzSlownikNIPZUS, "ITT", 'I')                             \
    X(sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia, "TOO", 'I')  \
    X(fb_KVDZaleznosciKodSwKwotaTyp, "TTIT", 'I')                      \
    X(fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp, "TIT", 'I')            \
    X(fb_KVDZaleznosciKodSwOkresOdTyp, "TIT", 'I')                     \
    X(fb_KVDZaleznosciKodSwOkresDoTyp, "TIT", 'I')                     \
    X(fb_KVDTypSwiadczenia, "TIT", 'I')                                \
    X(fb_KVDZaleznosciKodSw_MSCTyp, "TIT", 'I')                        \
    X(fb_KVDZaleznosciKodSwKodTyt, "TTTTTTI", 'I')                     \
    X(fb_KVDZaleznosciKodSwKodTytIdent, "TTTTT", 'I')                  \
    X(fb_KVDKodySwiadMogaBycRazem, "TTI", 'B')                         \
    X(sl_SprawdzKodSwDRA, "TII", 'I')                                  \
    X(sl_SprawdzKodSwWST, "TT", 'I')                                   \
    X(bw_MapujKod, "NNN", 'B')                                         \
    X(bw_OdowiedniTypSwiadczenia, "NII", 'B')                          \
    X(bw_MapujKodData, "NNII", 'B')                                    \
    X(bw_TypZaleznosciKoduSwDlaOkresu, "NNII", 'B')                    \
    X(bw_TypZaleznosciKoduSwDlaOkresu_DoklMies, "NNI", 'B')            \
    X(bw_KodSpecjalny, "NIII", 'B')                                    \
    X(fb_KVD_KodTyt_WypDok_DRA_ONE, "TTTTV", 'I')                      \
    X(fb_KVD_KodTyt_WypDok_RCA_ONE, "TTTTV", 'I')                      \
    X(fb_KVD_KodTyt_WypDok_RNA_ONE, "TTTTV", 'I')                      \
    X(fb_KVD_KodTyt_WypDok_RZA_ONE, "TTTTV", 'I')                      \
    X(fb_KVD_KodTyt_WypDok_ZUA_ONE, "TTTTV", 'I')                      \
    X(fb_KVD_KodTyt_WypDok_ZZA_ONE, "TTTTV", 'I')                      \
    X(fb_KVDZasadyPodleganiaUb, "TTTT", 'I')                           \
    X(fb_KVD_Slw_Podl_ALL, "TTTITV", 'I')                              \
    X(fb_KVD_Slw_Podl_ONE, "TTTITV", 'I')                              \
    X(sl_SprawdzPodstawySkladek, "TIT", 'I')                           \
    X(fb_KodWyrRozlicznikaTyp, "TIT", 'I')                             \
    X(fb_KodWyrRozlicznikaOsPrawna, "TT", 'I')                         \
    X(fb_KodWyrRozlicznikaOsFizyczna, "TT", 'I')                       \
    X(fb_KVDKodPokrewienstwa, "TII", 'I')                              \
    X(fb_KVDKodPokrewienstwaJest, "TI", 'I')                           \
    X(fb_KVDKodPokrewienstwaWiek, "TI", 'I')

// Files that need only names and parameter kinds (and not the costly
// instantiation of every call) define HARNESS_NAMES_ONLY: they get
// ExportNames(), whose invoke members are null.
#ifdef HARNESS_NAMES_ONLY
#define HARNESS_INVOKER(name) nullptr
#define HARNESS_TABLE ExportNames
#else
#define HARNESS_INVOKER(name) &detail::Invoker<decltype(&::name)>::Call
#define HARNESS_TABLE Exports
#endif

// The parameter kinds agree with the declarations in the public header. A
// list of dates may begin with a declared parameter (the first date of
// sl_NajwczesniejszaData): it is passed in the same place.
#define HARNESS_CHECK(name, params, result)                                                          \
    static_assert(detail::Shape<decltype(&::name)>::variadic == detail::HasVariadic(params) &&       \
                      (detail::Shape<decltype(&::name)>::fixed == detail::FixedKinds(params) ||      \
                       (detail::HasVariadic(params) &&                                              \
                        detail::Shape<decltype(&::name)>::fixed == detail::FixedKinds(params) + 1)), \
                  #name ": parameter kinds do not match the declaration");
HARNESS_C_EXPORTS(HARNESS_CHECK)
HARNESS_CHECK(fb_KVD_KodTyt_WypDok_ONE, "TPL", 'I')
HARNESS_CHECK(ZamienStala, "TI", 'I')
#undef HARNESS_CHECK

#define HARNESS_ENTRY(name, params, result) {#name, params, result, HARNESS_INVOKER(name), #name, #name, #name, #name},

// The table, in the order of the export list; the two C++-linkage exports
// carry their decorated symbols (Itanium on Linux, MSVC on Windows).
inline const Export* HARNESS_TABLE() {
    static const Export table[] = {
        HARNESS_C_EXPORTS(HARNESS_ENTRY)
#ifdef _WIN64  // 64-bit MSVC decorations: every pointer is __ptr64 (E)
        {"fb_KVD_KodTyt_WypDok_ONE", "TPL", 'I', HARNESS_INVOKER(fb_KVD_KodTyt_WypDok_ONE),
         "_Z24fb_KVD_KodTyt_WypDok_ONEPKDsPK11_stOpisKoduPS0_",
         "_Z24fb_KVD_KodTyt_WypDok_ONEPKcPK11_stOpisKoduPS0_",
         "?fb_KVD_KodTyt_WypDok_ONE@@YAHPEBGPEBU_stOpisKodu@@PEAPEBG@Z",
         "?fb_KVD_KodTyt_WypDok_ONE@@YAHPEBDPEBU_stOpisKodu@@PEAPEBD@Z"},
        {"ZamienStala", "TI", 'I', HARNESS_INVOKER(ZamienStala),
         "_Z11ZamienStalaPKDsi", "_Z11ZamienStalaPKci", "?ZamienStala@@YAHPEBGH@Z", "?ZamienStala@@YAHPEBDH@Z"},
#else
        {"fb_KVD_KodTyt_WypDok_ONE", "TPL", 'I', HARNESS_INVOKER(fb_KVD_KodTyt_WypDok_ONE),
         "_Z24fb_KVD_KodTyt_WypDok_ONEPKDsPK11_stOpisKoduPS0_",
         "_Z24fb_KVD_KodTyt_WypDok_ONEPKcPK11_stOpisKoduPS0_",
         "?fb_KVD_KodTyt_WypDok_ONE@@YAHPBGPBU_stOpisKodu@@PAPBG@Z",
         "?fb_KVD_KodTyt_WypDok_ONE@@YAHPBDPBU_stOpisKodu@@PAPBD@Z"},
        {"ZamienStala", "TI", 'I', HARNESS_INVOKER(ZamienStala),
         "_Z11ZamienStalaPKDsi", "_Z11ZamienStalaPKci", "?ZamienStala@@YAHPBGH@Z", "?ZamienStala@@YAHPBDH@Z"},
#endif
    };
    static_assert(sizeof(table) / sizeof(table[0]) == 59, "59 exports");
    return table;
}

constexpr int kExportCount = 59;

#ifdef HARNESS_LINKED
// The linked definitions, in the order of Exports() (for targets that link
// the library's objects).
#define HARNESS_ADDRESS(name, params, result) reinterpret_cast<void*>(&::name),
inline void LinkedAddresses(void** out) {
    void* const table[] = {HARNESS_C_EXPORTS(HARNESS_ADDRESS) reinterpret_cast<void*>(&::fb_KVD_KodTyt_WypDok_ONE),
                           reinterpret_cast<void*>(&::ZamienStala)};
    for (int i = 0; i < kExportCount; ++i) out[i] = table[i];
}
#undef HARNESS_ADDRESS
#endif

// Symbol under which the export is found in a loaded library of this text type.
inline const char* Symbol(const Export& e) {
#if defined(_WIN32) && defined(KODOWNIK_WIDE)
    return e.win_w;
#elif defined(_WIN32)
    return e.win_a;
#elif defined(KODOWNIK_WIDE)
    return e.symbol_w;
#else
    return e.symbol_a;
#endif
}

}  // namespace HARNESS_NS
