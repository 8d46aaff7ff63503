/* Loads a Windows DLL at run time and calls ZamienStala by the decorated
 * name a 32-bit Microsoft C++ host links against. Usage: decorated W|A */
#include <stdio.h>
#include <windows.h>

typedef int(__cdecl* ZamienStalaW)(const unsigned short*, int);
typedef int(__cdecl* ZamienStalaA)(const char*, int);

int main(int argc, char** argv) {
    int wide = argc > 1 && argv[1][0] == 'W';
    HMODULE dll = LoadLibraryA(wide ? "Kodownik_W.dll" : "Kodownik_A.dll");
    if (!dll) return printf("cannot load the DLL\n"), 1;
#ifdef _WIN64 /* a 64-bit host: every pointer of the decoration is __ptr64 (E) */
    FARPROC f = GetProcAddress(dll, wide ? "?ZamienStala@@YAHPEBGH@Z" : "?ZamienStala@@YAHPEBDH@Z");
    FARPROC g = GetProcAddress(dll, wide ? "?fb_KVD_KodTyt_WypDok_ONE@@YAHPEBGPEBU_stOpisKodu@@PEAPEBG@Z"
                                         : "?fb_KVD_KodTyt_WypDok_ONE@@YAHPEBDPEBU_stOpisKodu@@PEAPEBD@Z");
#else
    FARPROC f = GetProcAddress(dll, wide ? "?ZamienStala@@YAHPBGH@Z" : "?ZamienStala@@YAHPBDH@Z");
    FARPROC g = GetProcAddress(dll, wide ? "?fb_KVD_KodTyt_WypDok_ONE@@YAHPBGPBU_stOpisKodu@@PAPBG@Z"
                                         : "?fb_KVD_KodTyt_WypDok_ONE@@YAHPBDPBU_stOpisKodu@@PAPBD@Z");
#endif
    if (!f || !g) return printf("a decorated name is missing\n"), 1;
    static const unsigned short title_w[] = {'0', '5', '1', '0', 0};
    int kind = wide ? ((ZamienStalaW)(void*)f)(title_w, 107) : ((ZamienStalaA)(void*)f)("0510", 107);
    if (kind != 105) return printf("ZamienStala(0510, 107) gave %d\n", kind), 1;
    printf("ok (decorated names of Kodownik_%c)\n", wide ? 'W' : 'A');
    return 0;
}
