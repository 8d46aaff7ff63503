// Kodownik.Native: the 59 exports of Kodownik_W with their C signatures, for
// code ported from hosts that call the library directly. Every text is
// UTF-16 (CharSet.Unicode), every call __cdecl. The managed wrappers make sure
// the native library is located first (see Loader) and hold the few
// exports whose C signature cannot be expressed as a plain P/Invoke: the
// variadic date lists, the date buffer of sl_Now, the pointer-returning
// earliest/latest choice, the 8-bit texts of the bw_ functions and the two
// exports with C++ linkage.
using System;
using System.Runtime.InteropServices;
using System.Text;

namespace Zus
{
    public static partial class Kodownik
    {
        /// <summary>
        /// The exports of <c>Kodownik_W</c> under their own names and with their C signatures: texts
        /// (<c>const KChar*</c>) are <see cref="string"/>s passed NUL-terminated, record and trie pointers
        /// are <see cref="IntPtr"/>s read with <see cref="Marshal"/>. Results are the library's own
        /// (0 yes, -1 no for the checks). As in C, a pointer argument must be null or one the library
        /// returned (a trie node or slot); texts the library returns belong to it and are read with
        /// <see cref="Marshal.PtrToStringUni(IntPtr)"/>. Prefer the typed methods of <see cref="Kodownik"/>.
        /// </summary>
        public static class Native
        {
            /// <summary>The name the native library is imported by: <c>Kodownik_W.dll</c> on Windows,
            /// <c>libKodownik_W.so</c> on Linux.</summary>
            public const string Lib = "Kodownik_W";

            /// <summary>How many date texts the variadic exports take through this class (the list
            /// passed to the library always ends with a null after them).</summary>
            public const int MaxDates = 7;

            static Native() { Loader.Load(); }

            internal static class Imports
            {
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int sl_PoprawnyKod(string code, int expectedLength);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern IntPtr sl_PobierzSlownik(uint id);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern IntPtr sl_PobierzOpisKodu(IntPtr root, string code);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern IntPtr sl_PobierzNazweSlownika(uint id);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern IntPtr sl_PobierzOpisOkresu(int id, string code, int date);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern IntPtr KVDSlownikGet(int key);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern IntPtr sl_KVDSlownikGet(int key);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern IntPtr KVDSlownikGetKodMsg(int key, string code, string date);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern IntPtr sl_KVDSlownikGetKodMsg(int key, string code, string date);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int KVDSlownikKodDoWyboru(int key, string code);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int sl_PoprawnaData_DDMMRRRR(string text);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int sl_PoprawnaData_MMRRRR(string text);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int sl_PoprawnaData_DDMM(string text);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int sl_PrzeksztalcDate_DDMMRRRR(string text);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int sl_PrzeksztalcDate_MMRRRR(string text);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int sl_PrzeksztalcDate_DDMM(string text);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVDKodSprawdzArkusze(int id, string code, string date);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVDKodSprawdz(int id, string code);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int sl_CzyPrawidlowyKodLiterowy(IntPtr node, string code, int reference);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int sl_SprawdzSlownikNIPZUS(int keyKind, string key, string date);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVDZaleznosciKodSwKwotaTyp(string title, string code, int expected, string month);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp(string code, int expected, string month);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVDZaleznosciKodSwOkresOdTyp(string code, int expected, string month);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVDZaleznosciKodSwOkresDoTyp(string code, int expected, string month);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVDTypSwiadczenia(string code, int expected, string month);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVDZaleznosciKodSw_MSCTyp(string code, int expected, string month);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVDZaleznosciKodSwKodTyt(string title4, string pension, string disability, string code, string dateA, string dateB, int wholePeriod);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVDZaleznosciKodSwKodTytIdent(string title4, string pension, string disability, string code, string month);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int sl_SprawdzKodSwDRA(string code, int expected, int date);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int sl_SprawdzKodSwWST(string code, string date);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVDZasadyPodleganiaUb(string title4, string pension, string disability, string date);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int sl_SprawdzPodstawySkladek(string title, int mask, string date);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KodWyrRozlicznikaTyp(string code, int payerKind, string date);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KodWyrRozlicznikaOsPrawna(string code, string date);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KodWyrRozlicznikaOsFizyczna(string code, string date);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVDKodPokrewienstwa(string code, int question, int character);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVDKodPokrewienstwaJest(string code, int question);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVDKodPokrewienstwaWiek(string code, int ageGroup);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int sl_Now([Out] char[] buffer);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl)]
                internal static extern IntPtr sl_NajwczesniejszaData(IntPtr fallback, IntPtr d0, IntPtr d1, IntPtr d2, IntPtr d3, IntPtr d4, IntPtr d5, IntPtr d6, IntPtr d7);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl)]
                internal static extern IntPtr sl_NajpozniejszaData(IntPtr fallback, IntPtr d0, IntPtr d1, IntPtr d2, IntPtr d3, IntPtr d4, IntPtr d5, IntPtr d6, IntPtr d7);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia(string title, out int validFrom, out int validTo);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                [return: MarshalAs(UnmanagedType.U1)]
                internal static extern bool fb_KVDKodySwiadMogaBycRazem(string first, string second, int date);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl)]
                [return: MarshalAs(UnmanagedType.U1)]
                internal static extern bool bw_MapujKod(byte[] title, byte[] code, byte[] date);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl)]
                [return: MarshalAs(UnmanagedType.U1)]
                internal static extern bool bw_OdowiedniTypSwiadczenia(byte[] code, int expected, int month);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl)]
                [return: MarshalAs(UnmanagedType.U1)]
                internal static extern bool bw_MapujKodData(byte[] title, byte[] code, int from, int to);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl)]
                [return: MarshalAs(UnmanagedType.U1)]
                internal static extern bool bw_TypZaleznosciKoduSwDlaOkresu(byte[] title, byte[] code, int from, int to);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl)]
                [return: MarshalAs(UnmanagedType.U1)]
                internal static extern bool bw_TypZaleznosciKoduSwDlaOkresu_DoklMies(byte[] title, byte[] code, int date);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl)]
                [return: MarshalAs(UnmanagedType.U1)]
                internal static extern bool bw_KodSpecjalny(byte[] title, int key, int from, int to);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVD_KodTyt_WypDok_DRA_ONE(string pass, string title4, string pension, string disability, string d0, string d1, string d2, string d3, string d4, string d5, string d6, string d7);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVD_KodTyt_WypDok_RCA_ONE(string pass, string title4, string pension, string disability, string d0, string d1, string d2, string d3, string d4, string d5, string d6, string d7);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVD_KodTyt_WypDok_RNA_ONE(string pass, string title4, string pension, string disability, string d0, string d1, string d2, string d3, string d4, string d5, string d6, string d7);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVD_KodTyt_WypDok_RZA_ONE(string pass, string title4, string pension, string disability, string d0, string d1, string d2, string d3, string d4, string d5, string d6, string d7);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVD_KodTyt_WypDok_ZUA_ONE(string pass, string title4, string pension, string disability, string d0, string d1, string d2, string d3, string d4, string d5, string d6, string d7);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVD_KodTyt_WypDok_ZZA_ONE(string pass, string title4, string pension, string disability, string d0, string d1, string d2, string d3, string d4, string d5, string d6, string d7);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVD_Slw_Podl_ALL(string title4, string pension, string disability, int insurance, string condition, string d0, string d1, string d2, string d3, string d4, string d5, string d6, string d7);
                [DllImport(Lib, CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int fb_KVD_Slw_Podl_ONE(string title4, string pension, string disability, int insurance, string condition, string d0, string d1, string d2, string d3, string d4, string d5, string d6, string d7);

                // The two exports with C++ linkage: Itanium mangling on Linux, the MSVC
                // decorations on Windows (32- and 64-bit differ).
                [DllImport(Lib, EntryPoint = "_Z11ZamienStalaPKDsi", CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int ZamienStalaItanium(string title, int kind);
                [DllImport(Lib, EntryPoint = "?ZamienStala@@YAHPBGH@Z", CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int ZamienStalaWin32(string title, int kind);
                [DllImport(Lib, EntryPoint = "?ZamienStala@@YAHPEBGH@Z", CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int ZamienStalaWin64(string title, int kind);
                [DllImport(Lib, EntryPoint = "_Z24fb_KVD_KodTyt_WypDok_ONEPKDsPK11_stOpisKoduPS0_", CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int WypDokOneItanium(string pass, IntPtr slot, [MarshalAs(UnmanagedType.LPArray, ArraySubType = UnmanagedType.LPWStr)] string[] dates);
                [DllImport(Lib, EntryPoint = "?fb_KVD_KodTyt_WypDok_ONE@@YAHPBGPBU_stOpisKodu@@PAPBG@Z", CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int WypDokOneWin32(string pass, IntPtr slot, [MarshalAs(UnmanagedType.LPArray, ArraySubType = UnmanagedType.LPWStr)] string[] dates);
                [DllImport(Lib, EntryPoint = "?fb_KVD_KodTyt_WypDok_ONE@@YAHPEBGPEBU_stOpisKodu@@PEAPEBG@Z", CallingConvention = CallingConvention.Cdecl, CharSet = CharSet.Unicode)]
                internal static extern int WypDokOneWin64(string pass, IntPtr slot, [MarshalAs(UnmanagedType.LPArray, ArraySubType = UnmanagedType.LPWStr)] string[] dates);
            }

              /// <summary><c>sl_PoprawnyKod(const KChar* code, int expectedLength)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int sl_PoprawnyKod(string code, int expectedLength) { return Imports.sl_PoprawnyKod(code, expectedLength); }

              /// <summary><c>sl_PobierzSlownik(unsigned int id)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static IntPtr sl_PobierzSlownik(uint id) { return Imports.sl_PobierzSlownik(id); }

              /// <summary><c>sl_PobierzOpisKodu(pointer root, const KChar* code)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static IntPtr sl_PobierzOpisKodu(IntPtr root, string code) { return Imports.sl_PobierzOpisKodu(root, code); }

              /// <summary><c>sl_PobierzNazweSlownika(unsigned int id)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static IntPtr sl_PobierzNazweSlownika(uint id) { return Imports.sl_PobierzNazweSlownika(id); }

              /// <summary><c>sl_PobierzOpisOkresu(int id, const KChar* code, int date)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static IntPtr sl_PobierzOpisOkresu(int id, string code, int date) { return Imports.sl_PobierzOpisOkresu(id, code, date); }

              /// <summary><c>KVDSlownikGet(int key)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static IntPtr KVDSlownikGet(int key) { return Imports.KVDSlownikGet(key); }

              /// <summary><c>sl_KVDSlownikGet(int key)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static IntPtr sl_KVDSlownikGet(int key) { return Imports.sl_KVDSlownikGet(key); }

              /// <summary><c>KVDSlownikGetKodMsg(int key, const KChar* code, const KChar* date)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static IntPtr KVDSlownikGetKodMsg(int key, string code, string date) { return Imports.KVDSlownikGetKodMsg(key, code, date); }

              /// <summary><c>sl_KVDSlownikGetKodMsg(int key, const KChar* code, const KChar* date)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static IntPtr sl_KVDSlownikGetKodMsg(int key, string code, string date) { return Imports.sl_KVDSlownikGetKodMsg(key, code, date); }

              /// <summary><c>KVDSlownikKodDoWyboru(int key, const KChar* code)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int KVDSlownikKodDoWyboru(int key, string code) { return Imports.KVDSlownikKodDoWyboru(key, code); }

              /// <summary><c>sl_PoprawnaData_DDMMRRRR(const KChar* text)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int sl_PoprawnaData_DDMMRRRR(string text) { return Imports.sl_PoprawnaData_DDMMRRRR(text); }

              /// <summary><c>sl_PoprawnaData_MMRRRR(const KChar* text)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int sl_PoprawnaData_MMRRRR(string text) { return Imports.sl_PoprawnaData_MMRRRR(text); }

              /// <summary><c>sl_PoprawnaData_DDMM(const KChar* text)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int sl_PoprawnaData_DDMM(string text) { return Imports.sl_PoprawnaData_DDMM(text); }

              /// <summary><c>sl_PrzeksztalcDate_DDMMRRRR(const KChar* text)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int sl_PrzeksztalcDate_DDMMRRRR(string text) { return Imports.sl_PrzeksztalcDate_DDMMRRRR(text); }

              /// <summary><c>sl_PrzeksztalcDate_MMRRRR(const KChar* text)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int sl_PrzeksztalcDate_MMRRRR(string text) { return Imports.sl_PrzeksztalcDate_MMRRRR(text); }

              /// <summary><c>sl_PrzeksztalcDate_DDMM(const KChar* text)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int sl_PrzeksztalcDate_DDMM(string text) { return Imports.sl_PrzeksztalcDate_DDMM(text); }

              /// <summary><c>fb_KVDKodSprawdzArkusze(int id, const KChar* code, const KChar* date)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int fb_KVDKodSprawdzArkusze(int id, string code, string date) { return Imports.fb_KVDKodSprawdzArkusze(id, code, date); }

              /// <summary><c>fb_KVDKodSprawdz(int id, const KChar* code)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int fb_KVDKodSprawdz(int id, string code) { return Imports.fb_KVDKodSprawdz(id, code); }

              /// <summary><c>sl_CzyPrawidlowyKodLiterowy(pointer node, const KChar* code, int reference)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int sl_CzyPrawidlowyKodLiterowy(IntPtr node, string code, int reference) { return Imports.sl_CzyPrawidlowyKodLiterowy(node, code, reference); }

              /// <summary><c>sl_SprawdzSlownikNIPZUS(int keyKind, const KChar* key, const KChar* date)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int sl_SprawdzSlownikNIPZUS(int keyKind, string key, string date) { return Imports.sl_SprawdzSlownikNIPZUS(keyKind, key, date); }

              /// <summary><c>fb_KVDZaleznosciKodSwKwotaTyp(const KChar* title, const KChar* code, int expected, const KChar* month)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int fb_KVDZaleznosciKodSwKwotaTyp(string title, string code, int expected, string month) { return Imports.fb_KVDZaleznosciKodSwKwotaTyp(title, code, expected, month); }

              /// <summary><c>fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp(const KChar* code, int expected, const KChar* month)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp(string code, int expected, string month) { return Imports.fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp(code, expected, month); }

              /// <summary><c>fb_KVDZaleznosciKodSwOkresOdTyp(const KChar* code, int expected, const KChar* month)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int fb_KVDZaleznosciKodSwOkresOdTyp(string code, int expected, string month) { return Imports.fb_KVDZaleznosciKodSwOkresOdTyp(code, expected, month); }

              /// <summary><c>fb_KVDZaleznosciKodSwOkresDoTyp(const KChar* code, int expected, const KChar* month)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int fb_KVDZaleznosciKodSwOkresDoTyp(string code, int expected, string month) { return Imports.fb_KVDZaleznosciKodSwOkresDoTyp(code, expected, month); }

              /// <summary><c>fb_KVDTypSwiadczenia(const KChar* code, int expected, const KChar* month)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int fb_KVDTypSwiadczenia(string code, int expected, string month) { return Imports.fb_KVDTypSwiadczenia(code, expected, month); }

              /// <summary><c>fb_KVDZaleznosciKodSw_MSCTyp(const KChar* code, int expected, const KChar* month)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int fb_KVDZaleznosciKodSw_MSCTyp(string code, int expected, string month) { return Imports.fb_KVDZaleznosciKodSw_MSCTyp(code, expected, month); }

              /// <summary><c>fb_KVDZaleznosciKodSwKodTyt(const KChar* title4, const KChar* pension, const KChar* disability, const KChar* code, const KChar* dateA, const KChar* dateB, int wholePeriod)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int fb_KVDZaleznosciKodSwKodTyt(string title4, string pension, string disability, string code, string dateA, string dateB, int wholePeriod) { return Imports.fb_KVDZaleznosciKodSwKodTyt(title4, pension, disability, code, dateA, dateB, wholePeriod); }

              /// <summary><c>fb_KVDZaleznosciKodSwKodTytIdent(const KChar* title4, const KChar* pension, const KChar* disability, const KChar* code, const KChar* month)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int fb_KVDZaleznosciKodSwKodTytIdent(string title4, string pension, string disability, string code, string month) { return Imports.fb_KVDZaleznosciKodSwKodTytIdent(title4, pension, disability, code, month); }

              /// <summary><c>sl_SprawdzKodSwDRA(const KChar* code, int expected, int date)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int sl_SprawdzKodSwDRA(string code, int expected, int date) { return Imports.sl_SprawdzKodSwDRA(code, expected, date); }

              /// <summary><c>sl_SprawdzKodSwWST(const KChar* code, const KChar* date)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int sl_SprawdzKodSwWST(string code, string date) { return Imports.sl_SprawdzKodSwWST(code, date); }

              /// <summary><c>fb_KVDZasadyPodleganiaUb(const KChar* title4, const KChar* pension, const KChar* disability, const KChar* date)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int fb_KVDZasadyPodleganiaUb(string title4, string pension, string disability, string date) { return Imports.fb_KVDZasadyPodleganiaUb(title4, pension, disability, date); }

              /// <summary><c>sl_SprawdzPodstawySkladek(const KChar* title, int mask, const KChar* date)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int sl_SprawdzPodstawySkladek(string title, int mask, string date) { return Imports.sl_SprawdzPodstawySkladek(title, mask, date); }

              /// <summary><c>fb_KodWyrRozlicznikaTyp(const KChar* code, int payerKind, const KChar* date)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int fb_KodWyrRozlicznikaTyp(string code, int payerKind, string date) { return Imports.fb_KodWyrRozlicznikaTyp(code, payerKind, date); }

              /// <summary><c>fb_KodWyrRozlicznikaOsPrawna(const KChar* code, const KChar* date)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int fb_KodWyrRozlicznikaOsPrawna(string code, string date) { return Imports.fb_KodWyrRozlicznikaOsPrawna(code, date); }

              /// <summary><c>fb_KodWyrRozlicznikaOsFizyczna(const KChar* code, const KChar* date)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int fb_KodWyrRozlicznikaOsFizyczna(string code, string date) { return Imports.fb_KodWyrRozlicznikaOsFizyczna(code, date); }

              /// <summary><c>fb_KVDKodPokrewienstwa(const KChar* code, int question, int character)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int fb_KVDKodPokrewienstwa(string code, int question, int character) { return Imports.fb_KVDKodPokrewienstwa(code, question, character); }

              /// <summary><c>fb_KVDKodPokrewienstwaJest(const KChar* code, int question)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int fb_KVDKodPokrewienstwaJest(string code, int question) { return Imports.fb_KVDKodPokrewienstwaJest(code, question); }

              /// <summary><c>fb_KVDKodPokrewienstwaWiek(const KChar* code, int ageGroup)</c>: the export, called as it stands (texts are passed NUL-terminated; a null string is a null pointer).</summary>
              public static int fb_KVDKodPokrewienstwaWiek(string code, int ageGroup) { return Imports.fb_KVDKodPokrewienstwaWiek(code, ageGroup); }

            /// <summary><c>int sl_Now(KChar* buffer)</c>: today's date as YYYYMMDD; writes it as DDMMRRRR
            /// and a NUL into <paramref name="buffer"/>.</summary>
            /// <exception cref="ArgumentNullException"><paramref name="buffer"/> is null.</exception>
            /// <exception cref="ArgumentException"><paramref name="buffer"/> holds fewer than 9 characters.</exception>
            public static int sl_Now(char[] buffer)
            {
                if (buffer == null) throw new ArgumentNullException("buffer");
                if (buffer.Length < 9) throw new ArgumentException("sl_Now writes 9 characters (DDMMRRRR and a NUL)", "buffer");
                return Imports.sl_Now(buffer);
            }

            /// <summary><c>const KChar* sl_NajwczesniejszaData(const KChar* fallback, const KChar* first, ...)</c>:
            /// the earliest of the date texts (DDMMRRRR or MMRRRR), or <paramref name="fallback"/> when none
            /// is a date. The library answers with one of the pointers given; this returns the text it
            /// points to. Up to <see cref="MaxDates"/> dates; a null among them ends the list.</summary>
            /// <exception cref="ArgumentException">More than <see cref="MaxDates"/> dates.</exception>
            public static string sl_NajwczesniejszaData(string fallback, params string[] dates)
            {
                return Choose(true, fallback, dates);
            }

            /// <summary><c>const KChar* sl_NajpozniejszaData(const KChar* fallback, const KChar* first, ...)</c>:
            /// the latest of the date texts, or <paramref name="fallback"/>; as
            /// <see cref="sl_NajwczesniejszaData"/>.</summary>
            /// <exception cref="ArgumentException">More than <see cref="MaxDates"/> dates.</exception>
            public static string sl_NajpozniejszaData(string fallback, params string[] dates)
            {
                return Choose(false, fallback, dates);
            }

            static string Choose(bool earliest, string fallback, string[] dates)
            {
                dates = DateList(dates);
                var texts = new IntPtr[MaxDates + 2];
                try
                {
                    texts[0] = fallback == null ? IntPtr.Zero : Marshal.StringToHGlobalUni(fallback);
                    for (int i = 0; i < dates.Length; ++i)
                        texts[i + 1] = dates[i] == null ? IntPtr.Zero : Marshal.StringToHGlobalUni(dates[i]);
                    IntPtr r = earliest
                        ? Imports.sl_NajwczesniejszaData(texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[6], texts[7], texts[8])
                        : Imports.sl_NajpozniejszaData(texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[6], texts[7], texts[8]);
                    return r == IntPtr.Zero ? null : Marshal.PtrToStringUni(r);
                }
                finally
                {
                    foreach (IntPtr t in texts)
                        if (t != IntPtr.Zero) Marshal.FreeHGlobal(t);
                }
            }

            // A date list of at most MaxDates texts, padded with nulls to MaxDates + 1, so
            // that the library always meets a null at its end.
            internal static string[] DateList(string[] dates)
            {
                if (dates == null) dates = new string[0];
                if (dates.Length > MaxDates)
                    throw new ArgumentException("at most " + MaxDates + " date texts are passed in one call", "dates");
                var list = new string[MaxDates + 1];
                Array.Copy(dates, list, dates.Length);
                return list;
            }

            /// <summary><c>int sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia(const KChar* title, int* from, int* to)</c>:
            /// the validity period of an insurance title code.</summary>
            public static int sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia(string title, out int validFrom, out int validTo)
            {
                return Imports.sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia(title, out validFrom, out validTo);
            }

            /// <summary><c>KodBool fb_KVDKodySwiadMogaBycRazem(const KChar* first, const KChar* second, int date)</c>:
            /// may the two benefit codes be reported together on the date (YYYYMMDD, or -1 for any date).</summary>
            public static bool fb_KVDKodySwiadMogaBycRazem(string first, string second, int date)
            {
                return Imports.fb_KVDKodySwiadMogaBycRazem(first, second, date);
            }

            /// <summary><c>KodBool bw_MapujKod(const char* title, const char* code, const char* date)</c>
            /// (8-bit texts: the strings are passed as Windows-1250).</summary>
            /// <exception cref="ArgumentException">A text holds a character Windows-1250 lacks.</exception>
            public static bool bw_MapujKod(string title, string code, string date)
            {
                return Imports.bw_MapujKod(Cp1250.Encode(title, "title"), Cp1250.Encode(code, "code"), Cp1250.Encode(date, "date"));
            }

            /// <summary><c>KodBool bw_OdowiedniTypSwiadczenia(const char* code, int expected, int month)</c> (8-bit text).</summary>
            /// <exception cref="ArgumentException">The text holds a character Windows-1250 lacks.</exception>
            public static bool bw_OdowiedniTypSwiadczenia(string code, int expected, int month)
            {
                return Imports.bw_OdowiedniTypSwiadczenia(Cp1250.Encode(code, "code"), expected, month);
            }

            /// <summary><c>KodBool bw_MapujKodData(const char* title, const char* code, int from, int to)</c> (8-bit texts).</summary>
            /// <exception cref="ArgumentException">A text holds a character Windows-1250 lacks.</exception>
            public static bool bw_MapujKodData(string title, string code, int from, int to)
            {
                return Imports.bw_MapujKodData(Cp1250.Encode(title, "title"), Cp1250.Encode(code, "code"), from, to);
            }

            /// <summary><c>KodBool bw_TypZaleznosciKoduSwDlaOkresu(const char* title, const char* code, int from, int to)</c> (8-bit texts).</summary>
            /// <exception cref="ArgumentException">A text holds a character Windows-1250 lacks.</exception>
            public static bool bw_TypZaleznosciKoduSwDlaOkresu(string title, string code, int from, int to)
            {
                return Imports.bw_TypZaleznosciKoduSwDlaOkresu(Cp1250.Encode(title, "title"), Cp1250.Encode(code, "code"), from, to);
            }

            /// <summary><c>KodBool bw_TypZaleznosciKoduSwDlaOkresu_DoklMies(const char* title, const char* code, int date)</c> (8-bit texts).</summary>
            /// <exception cref="ArgumentException">A text holds a character Windows-1250 lacks.</exception>
            public static bool bw_TypZaleznosciKoduSwDlaOkresu_DoklMies(string title, string code, int date)
            {
                return Imports.bw_TypZaleznosciKoduSwDlaOkresu_DoklMies(Cp1250.Encode(title, "title"), Cp1250.Encode(code, "code"), date);
            }

            /// <summary><c>KodBool bw_KodSpecjalny(const char* title, int key, int from, int to)</c> (8-bit text).</summary>
            /// <exception cref="ArgumentException">The text holds a character Windows-1250 lacks.</exception>
            public static bool bw_KodSpecjalny(string title, int key, int from, int to)
            {
                return Imports.bw_KodSpecjalny(Cp1250.Encode(title, "title"), key, from, to);
            }

            /// <summary><c>int fb_KVD_KodTyt_WypDok_DRA_ONE(const KChar* pass, const KChar* title4, const KChar* pension, const KChar* disability, ...)</c>:
            /// does form ZUS DRA admit the title code (on the dates given; none: at some time). Up to
            /// <see cref="MaxDates"/> dates; a null is appended.</summary>
            /// <exception cref="ArgumentException">More than <see cref="MaxDates"/> dates.</exception>
            public static int fb_KVD_KodTyt_WypDok_DRA_ONE(string pass, string title4, string pension, string disability, params string[] dates)
            {
                string[] d = DateList(dates);
                return Imports.fb_KVD_KodTyt_WypDok_DRA_ONE(pass, title4, pension, disability, d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7]);
            }

            /// <summary><c>int fb_KVD_KodTyt_WypDok_RCA_ONE(const KChar* pass, const KChar* title4, const KChar* pension, const KChar* disability, ...)</c>:
            /// does form ZUS RCA admit the title code (on the dates given; none: at some time). Up to
            /// <see cref="MaxDates"/> dates; a null is appended.</summary>
            /// <exception cref="ArgumentException">More than <see cref="MaxDates"/> dates.</exception>
            public static int fb_KVD_KodTyt_WypDok_RCA_ONE(string pass, string title4, string pension, string disability, params string[] dates)
            {
                string[] d = DateList(dates);
                return Imports.fb_KVD_KodTyt_WypDok_RCA_ONE(pass, title4, pension, disability, d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7]);
            }

            /// <summary><c>int fb_KVD_KodTyt_WypDok_RNA_ONE(const KChar* pass, const KChar* title4, const KChar* pension, const KChar* disability, ...)</c>:
            /// does form ZUS RNA admit the title code (on the dates given; none: at some time). Up to
            /// <see cref="MaxDates"/> dates; a null is appended.</summary>
            /// <exception cref="ArgumentException">More than <see cref="MaxDates"/> dates.</exception>
            public static int fb_KVD_KodTyt_WypDok_RNA_ONE(string pass, string title4, string pension, string disability, params string[] dates)
            {
                string[] d = DateList(dates);
                return Imports.fb_KVD_KodTyt_WypDok_RNA_ONE(pass, title4, pension, disability, d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7]);
            }

            /// <summary><c>int fb_KVD_KodTyt_WypDok_RZA_ONE(const KChar* pass, const KChar* title4, const KChar* pension, const KChar* disability, ...)</c>:
            /// does form ZUS RZA admit the title code (on the dates given; none: at some time). Up to
            /// <see cref="MaxDates"/> dates; a null is appended.</summary>
            /// <exception cref="ArgumentException">More than <see cref="MaxDates"/> dates.</exception>
            public static int fb_KVD_KodTyt_WypDok_RZA_ONE(string pass, string title4, string pension, string disability, params string[] dates)
            {
                string[] d = DateList(dates);
                return Imports.fb_KVD_KodTyt_WypDok_RZA_ONE(pass, title4, pension, disability, d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7]);
            }

            /// <summary><c>int fb_KVD_KodTyt_WypDok_ZUA_ONE(const KChar* pass, const KChar* title4, const KChar* pension, const KChar* disability, ...)</c>:
            /// does form ZUS ZUA admit the title code (on the dates given; none: at some time). Up to
            /// <see cref="MaxDates"/> dates; a null is appended.</summary>
            /// <exception cref="ArgumentException">More than <see cref="MaxDates"/> dates.</exception>
            public static int fb_KVD_KodTyt_WypDok_ZUA_ONE(string pass, string title4, string pension, string disability, params string[] dates)
            {
                string[] d = DateList(dates);
                return Imports.fb_KVD_KodTyt_WypDok_ZUA_ONE(pass, title4, pension, disability, d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7]);
            }

            /// <summary><c>int fb_KVD_KodTyt_WypDok_ZZA_ONE(const KChar* pass, const KChar* title4, const KChar* pension, const KChar* disability, ...)</c>:
            /// does form ZUS ZZA admit the title code (on the dates given; none: at some time). Up to
            /// <see cref="MaxDates"/> dates; a null is appended.</summary>
            /// <exception cref="ArgumentException">More than <see cref="MaxDates"/> dates.</exception>
            public static int fb_KVD_KodTyt_WypDok_ZZA_ONE(string pass, string title4, string pension, string disability, params string[] dates)
            {
                string[] d = DateList(dates);
                return Imports.fb_KVD_KodTyt_WypDok_ZZA_ONE(pass, title4, pension, disability, d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7]);
            }

            /// <summary><c>int fb_KVD_Slw_Podl_ALL(const KChar* title4, const KChar* pension, const KChar* disability, int insurance, const KChar* condition, ...)</c>:
            /// the date list as further texts (up to <see cref="MaxDates"/>; a null is appended).</summary>
            /// <exception cref="ArgumentException">More than <see cref="MaxDates"/> dates.</exception>
            public static int fb_KVD_Slw_Podl_ALL(string title4, string pension, string disability, int insurance, string condition, params string[] dates)
            {
                string[] d = DateList(dates);
                return Imports.fb_KVD_Slw_Podl_ALL(title4, pension, disability, insurance, condition, d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7]);
            }

            /// <summary><c>int fb_KVD_Slw_Podl_ONE(const KChar* title4, const KChar* pension, const KChar* disability, int insurance, const KChar* condition, ...)</c>:
            /// the date list as further texts (up to <see cref="MaxDates"/>; a null is appended).</summary>
            /// <exception cref="ArgumentException">More than <see cref="MaxDates"/> dates.</exception>
            public static int fb_KVD_Slw_Podl_ONE(string title4, string pension, string disability, int insurance, string condition, params string[] dates)
            {
                string[] d = DateList(dates);
                return Imports.fb_KVD_Slw_Podl_ONE(title4, pension, disability, insurance, condition, d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7]);
            }

            /// <summary><c>int ZamienStala(const KChar* title, int kind)</c> (C++ linkage: found under the
            /// decorated name of the platform).</summary>
            public static int ZamienStala(string title, int kind)
            {
                if (!Loader.IsWindows) return Imports.ZamienStalaItanium(title, kind);
                return IntPtr.Size == 8 ? Imports.ZamienStalaWin64(title, kind) : Imports.ZamienStalaWin32(title, kind);
            }

            /// <summary><c>int fb_KVD_KodTyt_WypDok_ONE(const KChar* pass, const _stOpisKodu* slot, const KChar** dates)</c>
            /// (C++ linkage): <paramref name="dates"/> may be null; otherwise a null is appended to the
            /// array passed, so that the list always ends.</summary>
            public static int fb_KVD_KodTyt_WypDok_ONE(string pass, IntPtr slot, string[] dates)
            {
                string[] list = null;
                if (dates != null)
                {
                    list = new string[dates.Length + 1];
                    Array.Copy(dates, list, dates.Length);
                }
                if (!Loader.IsWindows) return Imports.WypDokOneItanium(pass, slot, list);
                return IntPtr.Size == 8 ? Imports.WypDokOneWin64(pass, slot, list) : Imports.WypDokOneWin32(pass, slot, list);
            }
        }
    }
}
