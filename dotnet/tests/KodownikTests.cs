// Tests of the .NET binding against a built libKodownik_W: real dictionary
// content through every typed method, the exports of Kodownik.Native, and bad
// input answered with the documented result or ArgumentException, never a
// crash. Prints "N passed, N failed"; exit status 1 on any failure.
//   mono KodownikTests.exe path/to/exports.txt
using System;
using System.Collections.Generic;
using System.IO;
using System.Linq;
using System.Reflection;
using Zus;

static class KodownikTests
{
    static int passed, failed;

    // One case: what it checks, the call, and the expected answer, or the
    // exception type expected from it.
    struct Case
    {
        public string Name;
        public Func<object> Call;
        public object Want;
        public Case(string name, Func<object> call, object want) { Name = name; Call = call; Want = want; }
    }

    static void Run(IEnumerable<Case> cases)
    {
        foreach (Case c in cases)
        {
            object got;
            try { got = c.Call(); }
            catch (Exception e) { got = e.GetType(); }
            bool ok = Equals(got, c.Want) || (got is Type && c.Want is Type && ((Type)c.Want).IsAssignableFrom((Type)got));
            if (ok) ++passed;
            else { ++failed; Console.WriteLine("FAIL " + c.Name + ": got " + Show(got) + ", want " + Show(c.Want)); }
        }
    }

    static string Show(object o)
    {
        if (o == null) return "null";
        var s = o as string;
        return s != null ? "\"" + (s.Length > 60 ? s.Substring(0, 60) + "..." : s) + "\"" : o.ToString();
    }

    static DateTime D(int y, int m, int d) { return new DateTime(y, m, d); }
    static string Join(IEnumerable<string> items) { return string.Join(" ", items.ToArray()); }
    static readonly string Long = new string('1', 10000);
    static readonly string LongText = new string('x', 10000);

    static int Main(string[] args)
    {
        Type nul = typeof(ArgumentNullException), range = typeof(ArgumentOutOfRangeException), arg = typeof(ArgumentException);
        DateTime early = D(1849, 12, 31), old = D(1899, 1, 1), last = DateTime.MaxValue;

        // Dictionaries and editions.
        Run(new[] {
            new Case("dictionaries count", () => Kodownik.Dictionaries().Count, 45),
            new Case("first dictionary", () => Kodownik.Dictionaries()[0].Id, 10001),
            new Case("10013 name", () => Kodownik.Dictionaries().First(d => d.Id == 10013).Name, "Kod stopnia niepełnosprawności"),
            new Case("10013/1 editions", () => Kodownik.Entries(10013, "1").Count, 2),
            new Case("10013/1 newest first", () => Kodownik.Entries(10013, "1")[0].ValidFrom, D(2003, 10, 1)),
            new Case("10013/1 open end", () => Kodownik.Entries(10013, "1")[0].IsOpenEnded, true),
            new Case("10013/1 older ends", () => Kodownik.Entries(10013, "1")[1].ValidTo, D(2003, 9, 30)),
            new Case("10013/1 on 2003-09-30", () => Kodownik.Entry(10013, "1", D(2003, 9, 30)).Description,
                     "osoba, która ma orzeczenie o lekkim stopniu niepełnosprawności"),
            new Case("10013/1 on 2003-10-01", () => Kodownik.Entry(10013, "1", D(2003, 10, 1)).Description,
                     "osoba posiadająca orzeczenie o lekkim stopniu niepełnosprawności"),
            new Case("10013/1 before any edition", () => Kodownik.Entry(10013, "1", old), null),
            new Case("10013/1 on 9999-12-31", () => Kodownik.Entry(10013, "1", last).ValidFrom, D(2003, 10, 1)),
                        new Case("a heading has editions", () => Kodownik.Entries(10004, "0111").Count > 0, true),
            new Case("entries unknown id", () => Kodownik.Entries(99999, "1").Count, 0),
            new Case("entries negative id", () => Kodownik.Entries(-1, "1").Count, 0),
            new Case("entries letters", () => Kodownik.Entries(10013, "1a").Count, 0),
            new Case("entries empty", () => Kodownik.Entries(10013, "").Count, 0),
            new Case("entries 10000 digits", () => Kodownik.Entries(10004, Long).Count, 0),
            new Case("entries null", () => Kodownik.Entries(10013, null), nul),
            new Case("entries NUL inside", () => Kodownik.Entries(10013, "1\02"), arg),
            new Case("entry null code", () => Kodownik.Entry(10013, null, D(2003, 1, 1)), nul),
            new Case("entry before 1850", () => Kodownik.Entry(10013, "1", early), range),
            new Case("entry empty code", () => Kodownik.Entry(10013, "", D(2003, 1, 1)), null),
            new Case("entry 10000 chars", () => Kodownik.Entry(10013, LongText, D(2003, 1, 1)), null),
            // no Kodownik.editions beside a bare build: the snapshot; a package says which it carries
            new Case("editions", () => Kodownik.Editions,
                     Environment.GetEnvironmentVariable("KODOWNIK_EXPECT_EDITIONS") ?? "snapshot"),
        });

        // Admissibility.
        Run(new[] {
            new Case("011101 any time", () => Kodownik.Check(10004, "011101", null), true),
            new Case("011101 on 2002-12-31", () => Kodownik.Check(10004, "011101", D(2002, 12, 31)), false),
            new Case("011101 on 2003-01-01", () => Kodownik.Check(10004, "011101", D(2003, 1, 1)), true),
            new Case("heading 0111", () => Kodownik.Check(10004, "0111", null), false),
            new Case("heading 0111 dated", () => Kodownik.Check(10004, "0111", D(2005, 1, 1)), false),
            new Case("branch 01R", () => Kodownik.Check(10005, "01R", D(2003, 4, 1)), true),
            new Case("empty code", () => Kodownik.Check(10004, "", null), false),
            new Case("10000 digits", () => Kodownik.Check(10004, Long, null), false),
            new Case("10000 letters", () => Kodownik.Check(10047, LongText, D(2005, 1, 1)), false),
            new Case("unknown id", () => Kodownik.Check(int.MinValue, "1", null), false),
            new Case("before 1900", () => Kodownik.Check(10004, "011101", old), false),
            new Case("on 9999-12-31", () => Kodownik.Check(10004, "011101", last), true),
            new Case("check null", () => Kodownik.Check(10004, null, null), nul),
            new Case("check before 1850", () => Kodownik.Check(10004, "011101", early), range),
        });

        // Search: all words, case and diacritics ignored.
        Run(new[] {
            new Case("żołnierz zawodowy", () => Join(Kodownik.Search(10004, "żołnierz zawodowy").Select(h => h.Code)), "011101 011102"),
            new Case("ZOLNIERZ ZAWODOWY", () => Join(Kodownik.Search(10004, "ZOLNIERZ  zawodowy").Select(h => h.Code)), "011101 011102"),
            new Case("words in any order", () => Kodownik.Search(10004, "stałej żołnierz").Count, 1),
            new Case("first matching edition", () => Kodownik.Search(10013, "lekkim").First().Entry.ValidFrom, D(2003, 10, 1)),
            new Case("no match", () => Kodownik.Search(10004, "qqqxyz").Count, 0),
            new Case("unknown id", () => Kodownik.Search(12345, "a").Count, 0),
            new Case("10000-char word", () => Kodownik.Search(10013, LongText).Count, 0),
            new Case("search null", () => Kodownik.Search(10004, null), nul),
            new Case("search blank", () => Kodownik.Search(10004, "  "), arg),
        });

        // Insurance titles as `kodownik title 041100 --date 2005-06-15` prints them.
        TitleInfo t = Kodownik.Title("041100", D(2005, 6, 15));
        InsuranceStatus ODN = InsuranceStatus.Obligatory | InsuranceStatus.Voluntary | InsuranceStatus.NotSubject;
        Run(new[] {
            new Case("title description", () => t.Description.StartsWith("osoba wykonująca umowę agencyjną"), true),
            new Case("rules in force", () => t.RulesInForce && t.HasRules, true),
            new Case("pension", () => t.Insurances.Pension, ODN),
            new Case("disability", () => t.Insurances.Disability, ODN),
            new Case("sickness", () => t.Insurances.Sickness, InsuranceStatus.Voluntary | InsuranceStatus.NotSubject),
            new Case("accident", () => t.Insurances.Accident, InsuranceStatus.Obligatory | InsuranceStatus.NotSubject),
            new Case("health", () => t.Insurances.Health, InsuranceStatus.Obligatory),
            new Case("indexer", () => t.Insurances[Insurance.Health], InsuranceStatus.Obligatory),
            new Case("forms", () => string.Join(", ", t.Forms.ToArray()), "ZUS RCA, ZUS RNA, ZUS RZA, ZUS ZUA, ZUS ZZA"),
            new Case("benefit codes", () => Join(t.BenefitCodes), "311 312 313 314 315 316 317 318 321 322 323 324 350"),
            new Case("statuses one insurance", () => Kodownik.InsuranceStatuses("041100", Insurance.Accident, D(2005, 6, 15)),
                     InsuranceStatus.Obligatory | InsuranceStatus.NotSubject),
            new Case("no rules before 1900", () => Kodownik.Title("041100", old).RulesInForce, false),
            new Case("only N before 1900", () => Kodownik.Title("041100", old).Insurances.Pension, InsuranceStatus.NotSubject),
            new Case("no forms before 1900", () => Kodownik.Title("041100", old).Forms.Count, 0),
            new Case("unknown title", () => Kodownik.Title("999999", D(2005, 6, 15)).HasRules, false),
            new Case("benefit codes in 2025", () => Join(Kodownik.Title("041100", D(2025, 6, 15)).BenefitCodes),
                     "311 312 313 314 315 316 317 318 321 322 323 324 350"),
            new Case("title null", () => Kodownik.Title(null, D(2005, 1, 1)), nul),
            new Case("title five digits", () => Kodownik.Title("04110", D(2005, 1, 1)), arg),
            new Case("title letters", () => Kodownik.Title("04110x", D(2005, 1, 1)), arg),
            new Case("title 10000 digits", () => Kodownik.Title(Long, D(2005, 1, 1)), arg),
            new Case("title before 1850", () => Kodownik.Title("041100", early), range),
            new Case("bad insurance", () => Kodownik.InsuranceStatuses("041100", (Insurance)5, D(2005, 1, 1)), range),
            new Case("rules at all", () => Kodownik.HasInsuranceRules("011000", null), true),
        });

        // Forms, benefits, payers, relatives.
        Run(new[] {
            new Case("RCA admits 041100", () => Kodownik.FormAdmitsTitle(Form.Rca, "041100", D(2005, 6, 15)), true),
            new Case("DRA does not", () => Kodownik.FormAdmitsTitle(Form.Dra, "041100", D(2005, 6, 15)), false),
            new Case("RCA at some time", () => Kodownik.FormAdmitsTitle(Form.Rca, "041100", null), true),
            new Case("bad form", () => Kodownik.FormAdmitsTitle((Form)9, "041100", null), range),
            new Case("155 under 011000 in 2004-06", () => Kodownik.BenefitAllowedForTitle("011000", "155", D(2004, 6, 1)), true),
            new Case("155 under 011000 in 2005-01", () => Kodownik.BenefitAllowedForTitle("011000", "155", D(2005, 1, 1)), false),
            new Case("155 under 011000 in 2025", () => Kodownik.BenefitAllowedForTitle("011000", "155", D(2025, 1, 1)), false),
            new Case("311 under 041100 in 2025", () => Kodownik.BenefitAllowedForTitle("041100", "311", D(2025, 1, 1)), true),
            new Case("month before 1850", () => Kodownik.BenefitAllowedForTitle("011000", "155", early), range),
            new Case("rule month after 2020", () => Kodownik.BenefitRuleHolds(BenefitRule.BenefitType, "155", 100, D(2021, 1, 1)), range),
            new Case("period spanned", () => Kodownik.BenefitAllowedForTitle("011000", "155", D(2003, 1, 1), D(2004, 12, 31), true), true),
            new Case("period not spanned", () => Kodownik.BenefitAllowedForTitle("011000", "155", D(2003, 1, 1), D(2005, 12, 31), true), false),
            new Case("period touched", () => Kodownik.BenefitAllowedForTitle("011000", "155", D(2003, 1, 1), D(2005, 12, 31), false), true),
            new Case("111 with 350", () => Kodownik.BenefitsMayBeReportedTogether("111", "350", null), true),
            new Case("111 with 155 2004", () => Kodownik.BenefitsMayBeReportedTogether("111", "155", D(2004, 6, 15)), true),
            new Case("111 with 155 2005", () => Kodownik.BenefitsMayBeReportedTogether("111", "155", D(2005, 1, 1)), false),
            new Case("together null", () => Kodownik.BenefitsMayBeReportedTogether(null, "155", null), nul),
            new Case("401 days 113 2009-12", () => Kodownik.BenefitRuleHolds(BenefitRule.ContributionDays, "401", 113, D(2009, 12, 1)), true),
            new Case("401 days 113 2010-01", () => Kodownik.BenefitRuleHolds(BenefitRule.ContributionDays, "401", 113, D(2010, 1, 1)), false),
            new Case("111 MSC 116 2000-01", () => Kodownik.BenefitRuleHolds(BenefitRule.Month, "111", 116, D(2000, 1, 1)), true),
            new Case("155 type 100 2001-05", () => Kodownik.BenefitRuleHolds(BenefitRule.BenefitType, "155", 100, D(2001, 5, 1)), true),
            new Case("rule 10000 digits", () => Kodownik.BenefitRuleHolds(BenefitRule.BenefitType, Long, 100, D(2001, 5, 1)), false),
            new Case("bad rule", () => Kodownik.BenefitRuleHolds((BenefitRule)77, "155", 100, D(2001, 5, 1)), range),
            new Case("211 amount 107 under 011000", () => Kodownik.BenefitAmountTypeHolds("011000", "211", 107, D(2002, 1, 1)), true),
            new Case("211 amount 105 under 101000", () => Kodownik.BenefitAmountTypeHolds("101000", "211", 105, D(2002, 1, 1)), true),
            new Case("WST 212 2009-09", () => Kodownik.WstNumber("212", D(2009, 9, 1)), (int?)48),
            new Case("WST unknown", () => Kodownik.WstNumber("999", D(2005, 1, 1)), null),
            new Case("211 legal 2002", () => Kodownik.PayerReasonAllowed("211", PayerKind.LegalPerson, D(2002, 6, 15)), true),
            new Case("112 legal 2002", () => Kodownik.PayerReasonAllowed("112", PayerKind.LegalPerson, D(2002, 6, 15)), false),
            new Case("112 natural 2002", () => Kodownik.PayerReasonAllowed("112", PayerKind.NaturalPerson, D(2002, 6, 15)), true),
            new Case("112 natural 2004", () => Kodownik.PayerReasonAllowed("112", PayerKind.NaturalPerson, D(2004, 6, 15)), false),
            new Case("210 before 2010", () => Kodownik.PayerReasonAllowed("210", PayerKind.LegalPerson, D(2009, 12, 31)), false),
            new Case("600 before 1900", () => Kodownik.PayerReasonAllowed("600", PayerKind.LegalPerson, old), false),
            new Case("bad payer kind", () => Kodownik.PayerReasonAllowed("211", (PayerKind)1, null), range),
            new Case("30 ascendant", () => Kodownik.RelationshipIsAscendant("30"), true),
            new Case("01 not ascendant", () => Kodownik.RelationshipIsAscendant("01"), false),
            new Case("60 known", () => Kodownik.RelationshipIsKnown("60"), true),
            new Case("99 unknown", () => Kodownik.RelationshipIsKnown("99"), false),
            new Case("11 child", () => Kodownik.RelationshipIsChild("11"), true),
            new Case("30 not child", () => Kodownik.RelationshipIsChild("30"), false),
            new Case("30 senior", () => Kodownik.RelationshipInAgeGroup("30", AgeGroup.Senior), true),
            new Case("32 not senior", () => Kodownik.RelationshipInAgeGroup("32", AgeGroup.Senior), false),
            new Case("21 minor", () => Kodownik.RelationshipInAgeGroup("21", AgeGroup.Minor), true),
            new Case("relationship 10000 chars", () => Kodownik.RelationshipIsKnown(LongText), false),
            new Case("relationship null", () => Kodownik.RelationshipIsKnown(null), nul),
        });

        // Kodownik.Native: every export by its own name; the special ones.
        string[] names = File.ReadAllLines(args.Length > 0 ? args[0] : "src/frame/exports.txt")
            .Where(l => l.Trim().Length > 0 && !l.StartsWith("#")).Select(l => l.Split(' ')[0]).ToArray();
        var methods = typeof(Kodownik.Native).GetMethods(BindingFlags.Public | BindingFlags.Static).Select(m => m.Name).Distinct().ToList();
        IntPtr root10001 = Kodownik.Native.sl_PobierzSlownik(10001);
        IntPtr slot = Kodownik.Native.sl_PobierzOpisKodu(root10001, "041100");
        Run(new[] {
            new Case("59 names in the list", () => names.Length, 59),
            new Case("Native has every export", () => Join(names.Where(n => !methods.Contains(n))), ""),
            new Case("ZamienStala 0510 107", () => Kodownik.Native.ZamienStala("0510", 107), 105),
            new Case("ZamienStala null", () => Kodownik.Native.ZamienStala(null, 107), 107),
            new Case("WypDok_ONE on a date", () => Kodownik.Native.fb_KVD_KodTyt_WypDok_ONE(null, slot, new[] { "15062005" }), 0),
            new Case("WypDok_ONE null slot", () => Kodownik.Native.fb_KVD_KodTyt_WypDok_ONE(null, IntPtr.Zero, null), -1),
            new Case("earliest", () => Kodownik.Native.sl_NajwczesniejszaData("x", "01012005", "01012003", "012004"), "01012003"),
            new Case("latest", () => Kodownik.Native.sl_NajpozniejszaData("x", "01012005", "01012003", "012004"), "01012005"),
            new Case("earliest of none", () => Kodownik.Native.sl_NajwczesniejszaData("none"), "none"),
            new Case("earliest, 8 dates", () => Kodownik.Native.sl_NajwczesniejszaData("x", "1", "2", "3", "4", "5", "6", "7", "8"), arg),
            new Case("sl_Now short buffer", () => Kodownik.Native.sl_Now(new char[8]), arg),
            new Case("sl_Now null", () => Kodownik.Native.sl_Now(null), nul),
            new Case("sl_Now writes DDMMRRRR", () => { var b = new char[9]; int v = Kodownik.Native.sl_Now(b);
                                                       return new string(b, 0, 8) == (v % 100).ToString("00") + (v / 100 % 100).ToString("00") + (v / 10000).ToString("0000"); }, true),
            new Case("bw_ 8-bit text", () => Kodownik.Native.bw_MapujKod("041100", "311", "15062005"), true),
            new Case("bw_ Polish letter", () => Kodownik.Native.bw_MapujKod("łódź", "311", "15062005"), false),
            new Case("bw_ not Windows-1250", () => Kodownik.Native.bw_MapujKod("\u4e2d", "311", null), arg),
            new Case("DDMMRRRR 29022004", () => Kodownik.Native.sl_PoprawnaData_DDMMRRRR("29022004"), 0),
            new Case("DDMMRRRR 29022005", () => Kodownik.Native.sl_PoprawnaData_DDMMRRRR("29022005"), 60005801),
            new Case("DDMMRRRR 10000 chars", () => Kodownik.Native.sl_PoprawnaData_DDMMRRRR(Long) != 0, true),
            new Case("DDMMRRRR year 10000", () => Kodownik.Native.sl_PoprawnaData_DDMMRRRR("010110000") != 0, true),
            new Case("MMRRRR 121849", () => Kodownik.Native.sl_PoprawnaData_MMRRRR("121849"), 60006301),
            new Case("check null code", () => Kodownik.Native.fb_KVDKodSprawdzArkusze(10004, null, null), -1),
            new Case("Slw_Podl_ONE O", () => Kodownik.Native.fb_KVD_Slw_Podl_ONE("0411", "0", "0", 4, "O", "15062005"), 0),
            new Case("RCA_ONE on a date", () => Kodownik.Native.fb_KVD_KodTyt_WypDok_RCA_ONE(null, "0411", "0", "0", "15062005"), 0),
            new Case("title dates of null", () => { int a, b; return Kodownik.Native.sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia(null, out a, out b); }, -1),
            new Case("unknown message dictionary", () => Kodownik.Native.KVDSlownikGet(int.MaxValue), IntPtr.Zero),
        });

        // The entry points of the two C++-linkage exports are the decorated names of the
        // export list (W columns: Itanium, MSVC 32-bit, MSVC 64-bit).
        string[][] rows = File.ReadAllLines(args.Length > 0 ? args[0] : "src/frame/exports.txt")
            .Where(l => !l.StartsWith("#")).Select(l => l.Split(' ')).Where(f => f.Length > 1).ToArray();
        Type imports = typeof(Kodownik.Native).GetNestedType("Imports", BindingFlags.NonPublic);
        Func<string, string> entryPoints = prefix => Join(imports.GetMethods(BindingFlags.NonPublic | BindingFlags.Static)
            .Where(m => m.Name.StartsWith(prefix))
            .Select(m => ((System.Runtime.InteropServices.DllImportAttribute)m.GetCustomAttributes(
                typeof(System.Runtime.InteropServices.DllImportAttribute), false)[0]).EntryPoint).OrderBy(n => n, StringComparer.Ordinal));
        Func<string, string> listed = name => Join(rows.Where(f => f[0] == name).SelectMany(f => new[] { f[1], f[3], f[5] })
            .OrderBy(n => n, StringComparer.Ordinal));
        // The 8-bit texts of the bw_ functions are Windows-1250.
        MethodInfo encode = typeof(Kodownik).Assembly.GetType("Zus.Cp1250").GetMethod("Encode", BindingFlags.NonPublic | BindingFlags.Static);
        Func<string, string> cp1250 = text => BitConverter.ToString((byte[])encode.Invoke(null, new object[] { text, "t" }));
        Run(new[] {
            new Case("ZamienStala entry points", () => entryPoints("ZamienStala"), listed("ZamienStala")),
            new Case("WypDok_ONE entry points", () => entryPoints("WypDokOne"), listed("fb_KVD_KodTyt_WypDok_ONE")),
            new Case("cp1250 small letters", () => cp1250("ąćęłńóśźż"), "B9-E6-EA-B3-F1-F3-9C-9F-BF-00"),
            new Case("cp1250 capitals", () => cp1250("ĄĆĘŁŃÓŚŹŻ"), "A5-C6-CA-A3-D1-D3-8C-8F-AF-00"),
            new Case("cp1250 ASCII", () => cp1250("0110 x"), "30-31-31-30-20-78-00"),
            new Case("cp1250 null", () => encode.Invoke(null, new object[] { null, "t" }), null),
            new Case("only mscorlib referenced", () => Join(typeof(Kodownik).Assembly.GetReferencedAssemblies().Select(a => a.Name)), "mscorlib"),
        });

        // For months after 2020 the binding reads the month rule from the editions of
        // dictionary 10001 itself; for every month the library answers (1999 to 2020) both
        // must agree, for every code the title lists.
        MethodInfo fromEditions = typeof(Kodownik).GetMethod("BenefitInMonthFromEditions", BindingFlags.NonPublic | BindingFlags.Static);
        var disagreements = new List<string>();
        int compared = 0;
        foreach (string title in new[] { "011000", "041100", "051000", "012600", "110000" })
        {
            foreach (string code in Kodownik.Entries(10001, title).Select(e => e.ShortText).Where(c => c != null).Distinct())
            {
                for (DateTime m = D(1999, 1, 1); m.Year <= 2020; m = m.AddMonths(1))
                {
                    ++compared;
                    bool lib = Kodownik.BenefitAllowedForTitle(title, code, m);
                    bool own = (bool)fromEditions.Invoke(null, new object[] { title, code, m });
                    if (lib != own) disagreements.Add(title + "/" + code + "/" + m.ToString("yyyy-MM"));
                }
            }
        }
        Run(new[] {
            new Case("month rule compared often", () => compared > 5000, true),
            new Case("month rule agrees with the library", () => Join(disagreements.Take(5)), ""),
        });

        // Arbitrary input: only ArgumentException (and its kinds) may come out, never
        // another exception or a crash. Seeded, so a failure repeats.
        var rnd = new Random(14);
        string alphabet = "0123456789 ORDNWxąŁż\u0000\uD800\uFFFF";
        Func<string> anyText = () =>
        {
            int n = rnd.Next(4) == 0 ? rnd.Next(2000) : rnd.Next(9);
            var sb = new System.Text.StringBuilder();
            for (int i = 0; i < n; ++i) sb.Append(alphabet[rnd.Next(alphabet.Length)]);
            return rnd.Next(20) == 0 ? null : sb.ToString();
        };
        Func<DateTime> day = () => new DateTime(rnd.Next(1, 10000), rnd.Next(1, 13), rnd.Next(1, 29));
        var calls = new List<Func<object>> {
            () => Kodownik.Check(rnd.Next(10000, 10051), anyText(), day()),
            () => Kodownik.Entries(rnd.Next(10000, 10051), anyText()),
            () => Kodownik.Entry(rnd.Next(10000, 10051), anyText(), day()),
            () => Kodownik.Search(rnd.Next(10000, 10051), anyText()),
            () => Kodownik.Title(anyText(), day()),
            () => Kodownik.FormAdmitsTitle((Form)rnd.Next(-1, 7), anyText(), day()),
            () => Kodownik.BenefitAllowedForTitle(anyText(), anyText(), day()),
            () => Kodownik.BenefitAllowedForTitle(anyText(), anyText(), day(), day(), rnd.Next(2) == 0),
            () => Kodownik.BenefitRuleHolds((BenefitRule)rnd.Next(-1, 6), anyText(), rnd.Next(95, 125), day()),
            () => Kodownik.BenefitAmountTypeHolds(anyText(), anyText(), rnd.Next(100, 110), day()),
            () => Kodownik.BenefitsMayBeReportedTogether(anyText(), anyText(), day()),
            () => Kodownik.WstNumber(anyText(), day()),
            () => Kodownik.PayerReasonAllowed(anyText(), rnd.Next(2) == 0 ? PayerKind.LegalPerson : (PayerKind)rnd.Next(128), day()),
            () => Kodownik.RelationshipInAgeGroup(anyText(), (AgeGroup)rnd.Next(128)),
            () => Kodownik.RelationshipIsChild(anyText()),
        };
        int unexpected = 0;
        string firstUnexpected = "";
        for (int i = 0; i < 3000; ++i)
        {
            try { calls[i % calls.Count](); }
            catch (ArgumentException) { }
            catch (Exception e) { if (unexpected++ == 0) firstUnexpected = "call " + (i % calls.Count) + ": " + e; }
        }
        Run(new[] { new Case("arbitrary input: only ArgumentException", () => firstUnexpected, "") });

        // Many threads at once get the answers one thread gets.
        Func<string> answers = () => string.Join("|", new object[] {
            Kodownik.Check(10004, "011101", D(2003, 1, 1)), Kodownik.Entry(10013, "1", D(2003, 9, 30)).Description,
            Join(Kodownik.Title("041100", D(2005, 6, 15)).BenefitCodes), Kodownik.Search(10004, "żołnierz").Count,
            Kodownik.Native.ZamienStala("0510", 106) });
        string alone = answers();
        var results = new string[8];
        var threads = Enumerable.Range(0, results.Length).Select(k => new System.Threading.Thread(() =>
        {
            string r = alone;
            for (int i = 0; i < 20 && r == alone; ++i) r = answers();
            results[k] = r;
        })).ToList();
        threads.ForEach(th => th.Start());
        threads.ForEach(th => th.Join());
        Run(new[] { new Case("8 threads agree", () => results.All(r => r == alone), true) });

        Console.WriteLine(passed + " passed, " + failed + " failed");
        return failed == 0 ? 0 : 1;
    }
}
