// Kodownik: the code dictionaries and rules of ZUS declarations for .NET,
// over the native Kodownik_W (UTF-16 texts, so strings pass unconverted).
// Arguments are checked before any call: a null where the library takes no
// null is an ArgumentNullException, a day before 1850 an
// ArgumentOutOfRangeException, a text holding a NUL an ArgumentException.
// An unknown ID or code is no error: the answer is false, null or empty.
using System;
using System.Collections.Generic;
using System.Globalization;
using System.Runtime.InteropServices;
using System.Text;

namespace Zus
{
    /// <summary>
    /// The code dictionaries and validation rules of ZUS declarations. Every method is
    /// thread-safe; results are computed from data compiled into the native library.
    /// </summary>
    public static partial class Kodownik
    {
        /// <summary>The end of a period without end (9999-12-31).</summary>
        public static readonly DateTime OpenEnd = new DateTime(9999, 12, 31);

        /// <summary>The first day the library reads (1850-01-01); earlier days are refused.</summary>
        public static readonly DateTime FirstDay = new DateTime(1850, 1, 1);

        /// <summary>The last year of which the library reads months (MMRRRR texts) for the month-based checks.</summary>
        public const int LastMonthYear = 2020;

        const int FirstId = 10001, LastId = 10049;

        // ---- dictionaries --------------------------------------------------------------

        /// <summary>The dictionaries that hold codes, in ID order.</summary>
        public static IList<DictionaryInfo> Dictionaries()
        {
            var list = new List<DictionaryInfo>();
            for (int id = FirstId; id <= LastId; ++id)
            {
                if (Native.sl_PobierzSlownik((uint)id) != IntPtr.Zero)
                    list.Add(new DictionaryInfo(id, Read(Native.sl_PobierzNazweSlownika((uint)id))));
            }
            return list;
        }

        /// <summary>Every edition of a code, in the order the dictionary keeps (the newest usually
        /// first); empty when the dictionary does not hold the code. Codes of the tries are digits:
        /// any other code gives an empty list.</summary>
        /// <param name="id">Dictionary ID (10001 to 10049).</param>
        /// <param name="code">The code, such as "011101".</param>
        /// <exception cref="ArgumentNullException"><paramref name="code"/> is null.</exception>
        /// <exception cref="ArgumentException"><paramref name="code"/> holds a NUL character.</exception>
        public static IList<Entry> Entries(int id, string code)
        {
            Text(code, "code");
            var list = new List<Entry>();
            if (id < FirstId || id > LastId || !Digits(code)) return list;
            IntPtr root = Native.sl_PobierzSlownik((uint)id);
            if (root == IntPtr.Zero) return list;
            IntPtr slot = Native.sl_PobierzOpisKodu(root, code);
            if (slot == IntPtr.Zero) return list;
            int count = SlotCount(slot);
            IntPtr entries = Marshal.ReadIntPtr(slot, IntPtr.Size);
            for (int i = 0; i < count; ++i) list.Add(ReadEntry(entries, i));
            return list;
        }

        /// <summary>The edition of the code in force on the day; null when the dictionary does not
        /// hold the code or none of its editions was in force.</summary>
        /// <param name="id">Dictionary ID.</param>
        /// <param name="code">The code.</param>
        /// <param name="date">The day (from 1850-01-01).</param>
        /// <exception cref="ArgumentNullException"><paramref name="code"/> is null.</exception>
        /// <exception cref="ArgumentOutOfRangeException"><paramref name="date"/> is before 1850.</exception>
        public static Entry Entry(int id, string code, DateTime date)
        {
            Text(code, "code");
            int day = DayValue(date, "date");
            if (code.Length == 0) return null;
            IntPtr e = Native.sl_PobierzOpisOkresu(id, code, day);
            return e == IntPtr.Zero ? null : ReadEntry(e, 0);
        }

        /// <summary>May the code be entered in a declaration field of the dictionary on the day
        /// (without a day: at any time)? The rule depends on the dictionary: digit codes (a heading
        /// of longer codes is not admissible), branch codes such as "01R", letters, names.</summary>
        /// <param name="id">Dictionary ID.</param>
        /// <param name="code">The code as typed; an empty code is never admissible.</param>
        /// <param name="date">The day, or null for any time.</param>
        /// <exception cref="ArgumentNullException"><paramref name="code"/> is null.</exception>
        /// <exception cref="ArgumentOutOfRangeException"><paramref name="date"/> is before 1850.</exception>
        public static bool Check(int id, string code, DateTime? date)
        {
            Text(code, "code");
            string day = date.HasValue ? DayText(date.Value, "date") : null;
            if (code.Length == 0) return false;
            return Native.fb_KVDKodSprawdzArkusze(id, code, day) == 0;
        }

        /// <summary>The codes of a dictionary whose wording or short text holds every word, ignoring
        /// case and Polish (and other Latin) diacritics, as <c>kodownik search</c> finds them: one hit
        /// per code, its first matching edition, in code order.</summary>
        /// <param name="id">Dictionary ID; one without codes gives an empty list.</param>
        /// <param name="words">Words separated by blanks, such as "żołnierz zawodowy".</param>
        /// <exception cref="ArgumentNullException"><paramref name="words"/> is null.</exception>
        /// <exception cref="ArgumentException"><paramref name="words"/> holds no word.</exception>
        public static IList<SearchHit> Search(int id, string words)
        {
            if (words == null) throw new ArgumentNullException("words");
            var wanted = new List<string>(Fold(words).Split(new[] { ' ', '\t', '\n', '\r' }, StringSplitOptions.RemoveEmptyEntries));
            if (wanted.Count == 0) throw new ArgumentException("give at least one word", "words");
            var hits = new List<SearchHit>();
            if (id < FirstId || id > LastId) return hits;
            IntPtr root = Native.sl_PobierzSlownik((uint)id);
            Walk(root, "", (code, slot) =>
            {
                int count = SlotCount(slot);
                IntPtr entries = Marshal.ReadIntPtr(slot, IntPtr.Size);
                for (int i = 0; i < count; ++i)
                {
                    Entry e = ReadEntry(entries, i);
                    string hay = Fold(e.Description ?? "") + "\n" + Fold(e.ShortText ?? "");
                    if (wanted.TrueForAll(w => hay.Contains(w)))
                    {
                        hits.Add(new SearchHit(code, e));
                        return;
                    }
                }
            });
            return hits;
        }

        // ---- insurance titles ----------------------------------------------------------

        static readonly string[] StatusLetters = { "O", "D", "N", "W" };
        static readonly string[] FormNames = { "DRA", "RCA", "RNA", "RZA", "ZUA", "ZZA" };

        /// <summary>What a six-digit insurance title code means on a day, as <c>kodownik title</c>
        /// shows it: the statuses of the five insurances, the forms that admit it and the benefit
        /// and break codes that may be reported under it in that month.</summary>
        /// <param name="code">Six digits: four-digit title, pension-right digit, disability digit ("041100").</param>
        /// <param name="date">The day.</param>
        /// <exception cref="ArgumentNullException"><paramref name="code"/> is null.</exception>
        /// <exception cref="ArgumentException"><paramref name="code"/> is not six digits.</exception>
        /// <exception cref="ArgumentOutOfRangeException"><paramref name="date"/> is before 1850.</exception>
        public static TitleInfo Title(string code, DateTime date)
        {
            TitleCode(code, "code");
            string day = DayText(date, "date");
            string t4 = code.Substring(0, 4), p = code.Substring(4, 1), d = code.Substring(5, 1);
            var info = new TitleInfo { Code = code, Date = date.Date };
            IntPtr title = Native.sl_PobierzOpisOkresu(10015, t4, DayValue(date, "date"));
            info.Description = title == IntPtr.Zero ? null : ReadEntry(title, 0).Description;
            info.HasRules = Native.fb_KVDZasadyPodleganiaUb(t4, p, d, null) == 0;
            info.RulesInForce = Native.fb_KVDZasadyPodleganiaUb(t4, p, d, day) == 0;
            var statuses = new InsuranceStatus[5];
            for (int i = 0; i < 5; ++i) statuses[i] = StatusesOf(t4, p, d, i, day);
            info.Insurances = new Insurances(statuses);
            var now = new List<string>();
            var other = new List<string>();
            foreach (Form f in Enum.GetValues(typeof(Form)))
            {
                if (FormCheck(f, t4, p, d, day)) now.Add("ZUS " + FormNames[(int)f]);
                else if (FormCheck(f, t4, p, d, null)) other.Add("ZUS " + FormNames[(int)f]);
            }
            info.Forms = now.AsReadOnly();
            info.FormsAtOtherTimes = other.AsReadOnly();
            var benefits = new List<string>();
            foreach (string b in BenefitCodesListed(code))
            {
                if (BenefitInMonth(code, b, date)) benefits.Add(b);
            }
            info.BenefitCodes = benefits.AsReadOnly();
            return info;
        }

        /// <summary>The statuses the rules of the title code allow for one insurance on a day.</summary>
        /// <param name="titleCode">Six digits.</param>
        /// <param name="insurance">The insurance.</param>
        /// <param name="date">The day.</param>
        /// <exception cref="ArgumentNullException"><paramref name="titleCode"/> is null.</exception>
        /// <exception cref="ArgumentException"><paramref name="titleCode"/> is not six digits.</exception>
        /// <exception cref="ArgumentOutOfRangeException"><paramref name="date"/> is before 1850, or <paramref name="insurance"/> is not one of the five.</exception>
        public static InsuranceStatus InsuranceStatuses(string titleCode, Insurance insurance, DateTime date)
        {
            TitleCode(titleCode, "titleCode");
            if (insurance < Insurance.Pension || insurance > Insurance.Health) throw new ArgumentOutOfRangeException("insurance");
            return StatusesOf(titleCode.Substring(0, 4), titleCode.Substring(4, 1), titleCode.Substring(5, 1),
                              (int)insurance, DayText(date, "date"));
        }

        /// <summary>Are there insurance rules for the title code (on the day; without a day: at all)?</summary>
        /// <param name="titleCode">Six digits.</param>
        /// <param name="date">The day, or null.</param>
        /// <exception cref="ArgumentNullException"><paramref name="titleCode"/> is null.</exception>
        /// <exception cref="ArgumentException"><paramref name="titleCode"/> is not six digits.</exception>
        /// <exception cref="ArgumentOutOfRangeException"><paramref name="date"/> is before 1850.</exception>
        public static bool HasInsuranceRules(string titleCode, DateTime? date)
        {
            TitleCode(titleCode, "titleCode");
            string day = date.HasValue ? DayText(date.Value, "date") : null;
            return Native.fb_KVDZasadyPodleganiaUb(titleCode.Substring(0, 4), titleCode.Substring(4, 1), titleCode.Substring(5, 1), day) == 0;
        }

        /// <summary>Does the form admit the title code on the day (without a day: at some time)?</summary>
        /// <param name="form">The form.</param>
        /// <param name="titleCode">Six digits.</param>
        /// <param name="date">The day, or null.</param>
        /// <exception cref="ArgumentNullException"><paramref name="titleCode"/> is null.</exception>
        /// <exception cref="ArgumentException"><paramref name="titleCode"/> is not six digits.</exception>
        /// <exception cref="ArgumentOutOfRangeException"><paramref name="date"/> is before 1850, or <paramref name="form"/> is not a form.</exception>
        public static bool FormAdmitsTitle(Form form, string titleCode, DateTime? date)
        {
            TitleCode(titleCode, "titleCode");
            if (form < Form.Dra || form > Form.Zza) throw new ArgumentOutOfRangeException("form");
            string day = date.HasValue ? DayText(date.Value, "date") : null;
            return FormCheck(form, titleCode.Substring(0, 4), titleCode.Substring(4, 1), titleCode.Substring(5, 1), day);
        }

        // ---- benefit codes -------------------------------------------------------------

        /// <summary>May the benefit or break code be reported under the title code in the month of
        /// <paramref name="month"/>?</summary>
        /// <param name="titleCode">Six digits.</param>
        /// <param name="benefitCode">Three digits, such as "155".</param>
        /// <param name="month">Any day of the month.</param>
        /// <exception cref="ArgumentNullException">A code is null.</exception>
        /// <exception cref="ArgumentException"><paramref name="titleCode"/> is not six digits.</exception>
        /// <exception cref="ArgumentOutOfRangeException"><paramref name="month"/> is before 1850.</exception>
        public static bool BenefitAllowedForTitle(string titleCode, string benefitCode, DateTime month)
        {
            TitleCode(titleCode, "titleCode");
            Text(benefitCode, "benefitCode");
            Day(month, "month");
            return BenefitInMonth(titleCode, benefitCode, month);
        }

        // A benefit code may be reported under a title in a month when an edition of the
        // title in dictionary 10001 names it (short text), allows it (attribute 120) and
        // touches the month. The library answers for months up to 2020; later months, which
        // it would read as the current one, are answered from the same editions here.
        static bool BenefitInMonth(string titleCode, string benefitCode, DateTime month)
        {
            if (month.Year <= LastMonthYear)
                return Native.fb_KVDZaleznosciKodSwKodTytIdent(titleCode.Substring(0, 4), titleCode.Substring(4, 1),
                    titleCode.Substring(5, 1), benefitCode, MonthText(month, "month")) == 0;
            return BenefitInMonthFromEditions(titleCode, benefitCode, month);
        }

        internal static bool BenefitInMonthFromEditions(string titleCode, string benefitCode, DateTime month)
        {
            int m = month.Year * 100 + month.Month;
            foreach (Entry e in Entries(10001, titleCode))
            {
                if (e.ShortText != benefitCode || e.Attribute != 120) continue;
                int from = e.ValidFrom.Year * 100 + e.ValidFrom.Month, to = e.ValidTo.Year * 100 + e.ValidTo.Month;
                if (from <= m && m <= to) return true;
            }
            return false;
        }

        /// <summary>May the benefit code be reported under the title code for a period? With
        /// <paramref name="wholePeriod"/> one allowed edition must span from..to; without, an allowed
        /// edition must hold <paramref name="from"/> or <paramref name="to"/>.</summary>
        /// <param name="titleCode">Six digits.</param>
        /// <param name="benefitCode">Three digits.</param>
        /// <param name="from">First day of the period.</param>
        /// <param name="to">Last day of the period.</param>
        /// <param name="wholePeriod">Whether the whole period must be covered.</param>
        /// <exception cref="ArgumentNullException">A code is null.</exception>
        /// <exception cref="ArgumentException"><paramref name="titleCode"/> is not six digits.</exception>
        /// <exception cref="ArgumentOutOfRangeException">A day is before 1850.</exception>
        public static bool BenefitAllowedForTitle(string titleCode, string benefitCode, DateTime from, DateTime to, bool wholePeriod)
        {
            TitleCode(titleCode, "titleCode");
            Text(benefitCode, "benefitCode");
            return Native.fb_KVDZaleznosciKodSwKodTyt(titleCode.Substring(0, 4), titleCode.Substring(4, 1), titleCode.Substring(5, 1),
                benefitCode, DayText(from, "from"), DayText(to, "to"), wholePeriod ? 1 : 0) == 0;
        }

        /// <summary>May the two benefit codes be reported together on the day (null: on some day)?</summary>
        /// <param name="first">Three digits.</param>
        /// <param name="second">Three digits.</param>
        /// <param name="date">The day, or null.</param>
        /// <exception cref="ArgumentNullException">A code is null.</exception>
        /// <exception cref="ArgumentOutOfRangeException"><paramref name="date"/> is before 1850.</exception>
        public static bool BenefitsMayBeReportedTogether(string first, string second, DateTime? date)
        {
            Text(first, "first");
            Text(second, "second");
            int day = date.HasValue ? DayValue(date.Value, "date") : -1;
            return Native.fb_KVDKodySwiadMogaBycRazem(first, second, day);
        }

        /// <summary>Does the rule table give the benefit code the expected type in the month?</summary>
        /// <param name="rule">Which table.</param>
        /// <param name="benefitCode">The benefit code ("401").</param>
        /// <param name="expectedType">The type expected, such as 113.</param>
        /// <param name="month">Any day of the month (1850 to 2020).</param>
        /// <exception cref="ArgumentNullException"><paramref name="benefitCode"/> is null.</exception>
        /// <exception cref="ArgumentOutOfRangeException"><paramref name="month"/> is before 1850 or after 2020, or <paramref name="rule"/> is unknown.</exception>
        public static bool BenefitRuleHolds(BenefitRule rule, string benefitCode, int expectedType, DateTime month)
        {
            Text(benefitCode, "benefitCode");
            string m = MonthText(month, "month");
            switch (rule)
            {
                case BenefitRule.ContributionDays: return Native.fb_KVDZaleznosciKodSwLiczbaDniSkladkiTyp(benefitCode, expectedType, m) == 0;
                case BenefitRule.PeriodFrom: return Native.fb_KVDZaleznosciKodSwOkresOdTyp(benefitCode, expectedType, m) == 0;
                case BenefitRule.PeriodTo: return Native.fb_KVDZaleznosciKodSwOkresDoTyp(benefitCode, expectedType, m) == 0;
                case BenefitRule.BenefitType: return Native.fb_KVDTypSwiadczenia(benefitCode, expectedType, m) == 0;
                case BenefitRule.Month: return Native.fb_KVDZaleznosciKodSw_MSCTyp(benefitCode, expectedType, m) == 0;
                default: throw new ArgumentOutOfRangeException("rule");
            }
        }

        /// <summary>Is the expected amount type the one of the benefit code under the title code in the month?</summary>
        /// <param name="titleCode">Six digits.</param>
        /// <param name="benefitCode">The benefit code.</param>
        /// <param name="expectedType">The amount type expected, such as 106.</param>
        /// <param name="month">Any day of the month (1850 to 2020).</param>
        /// <exception cref="ArgumentNullException">A code is null.</exception>
        /// <exception cref="ArgumentException"><paramref name="titleCode"/> is not six digits.</exception>
        /// <exception cref="ArgumentOutOfRangeException"><paramref name="month"/> is before 1850 or after 2020.</exception>
        public static bool BenefitAmountTypeHolds(string titleCode, string benefitCode, int expectedType, DateTime month)
        {
            TitleCode(titleCode, "titleCode");
            Text(benefitCode, "benefitCode");
            return Native.fb_KVDZaleznosciKodSwKwotaTyp(titleCode, benefitCode, expectedType, MonthText(month, "month")) == 0;
        }

        /// <summary>The WST number of a benefit code on a day; null when the code has none then.</summary>
        /// <param name="benefitCode">Three digits.</param>
        /// <param name="date">The day.</param>
        /// <exception cref="ArgumentNullException"><paramref name="benefitCode"/> is null.</exception>
        /// <exception cref="ArgumentOutOfRangeException"><paramref name="date"/> is before 1850.</exception>
        public static int? WstNumber(string benefitCode, DateTime date)
        {
            Text(benefitCode, "benefitCode");
            int r = Native.sl_SprawdzKodSwWST(benefitCode, DayText(date, "date"));
            return r < 0 ? (int?)null : r;
        }

        // ---- payers and relatives ------------------------------------------------------

        /// <summary>May a payer of the kind give the deregistration reason code (dictionary 10008)
        /// on the day (null: at any time)?</summary>
        /// <param name="reasonCode">Three digits, such as "211".</param>
        /// <param name="kind">The payer's kind.</param>
        /// <param name="date">The day, or null.</param>
        /// <exception cref="ArgumentNullException"><paramref name="reasonCode"/> is null.</exception>
        /// <exception cref="ArgumentOutOfRangeException"><paramref name="date"/> is before 1850, or <paramref name="kind"/> is unknown.</exception>
        public static bool PayerReasonAllowed(string reasonCode, PayerKind kind, DateTime? date)
        {
            Text(reasonCode, "reasonCode");
            if (kind != PayerKind.LegalPerson && kind != PayerKind.NaturalPerson) throw new ArgumentOutOfRangeException("kind");
            string day = date.HasValue ? DayText(date.Value, "date") : null;
            return Native.fb_KodWyrRozlicznikaTyp(reasonCode, (int)kind, day) == 0;
        }

        /// <summary>Is the relationship code (dictionary 10006) one of an ascendant (parent,
        /// step-parent, grandparent, adopter, other ascendant)?</summary>
        /// <param name="code">Two digits.</param>
        /// <exception cref="ArgumentNullException"><paramref name="code"/> is null.</exception>
        public static bool RelationshipIsAscendant(string code)
        {
            Text(code, "code");
            return Native.fb_KVDKodPokrewienstwaJest(code, 1) == 0;
        }

        /// <summary>Is the text a relationship code of dictionary 10006?</summary>
        /// <param name="code">Two digits.</param>
        /// <exception cref="ArgumentNullException"><paramref name="code"/> is null.</exception>
        public static bool RelationshipIsKnown(string code)
        {
            Text(code, "code");
            return Native.fb_KVDKodPokrewienstwaJest(code, 2) == 0;
        }

        /// <summary>Is the relationship code one of a child or grandchild (codes marked for the
        /// children's field)?</summary>
        /// <param name="code">Two digits.</param>
        /// <exception cref="ArgumentNullException"><paramref name="code"/> is null.</exception>
        public static bool RelationshipIsChild(string code)
        {
            Text(code, "code");
            return Native.fb_KVDKodPokrewienstwaJest(code, 3) == 0;
        }

        /// <summary>Does the relationship code belong to the age group?</summary>
        /// <param name="code">Two digits.</param>
        /// <param name="group">The group.</param>
        /// <exception cref="ArgumentNullException"><paramref name="code"/> is null.</exception>
        /// <exception cref="ArgumentOutOfRangeException"><paramref name="group"/> is unknown.</exception>
        public static bool RelationshipInAgeGroup(string code, AgeGroup group)
        {
            Text(code, "code");
            if (group != AgeGroup.Senior && group != AgeGroup.Minor) throw new ArgumentOutOfRangeException("group");
            return Native.fb_KVDKodPokrewienstwaWiek(code, (int)group) == 0;
        }

        // ---- helpers -------------------------------------------------------------------

        static InsuranceStatus StatusesOf(string t4, string p, string d, int insurance, string day)
        {
            InsuranceStatus set = InsuranceStatus.None;
            for (int s = 0; s < StatusLetters.Length; ++s)
            {
                if (Native.fb_KVD_Slw_Podl_ONE(t4, p, d, insurance, StatusLetters[s], day) == 0) set |= (InsuranceStatus)(1 << s);
            }
            return set;
        }

        static bool FormCheck(Form f, string t4, string p, string d, string day)
        {
            string[] dates = day == null ? new string[0] : new[] { day };
            switch (f)
            {
                case Form.Dra: return Native.fb_KVD_KodTyt_WypDok_DRA_ONE(null, t4, p, d, dates) == 0;
                case Form.Rca: return Native.fb_KVD_KodTyt_WypDok_RCA_ONE(null, t4, p, d, dates) == 0;
                case Form.Rna: return Native.fb_KVD_KodTyt_WypDok_RNA_ONE(null, t4, p, d, dates) == 0;
                case Form.Rza: return Native.fb_KVD_KodTyt_WypDok_RZA_ONE(null, t4, p, d, dates) == 0;
                case Form.Zua: return Native.fb_KVD_KodTyt_WypDok_ZUA_ONE(null, t4, p, d, dates) == 0;
                default: return Native.fb_KVD_KodTyt_WypDok_ZZA_ONE(null, t4, p, d, dates) == 0;
            }
        }

        // The benefit and break codes dictionary 10001 names for a title code, ascending.
        static List<string> BenefitCodesListed(string code)
        {
            var codes = new List<string>();
            IntPtr root = Native.sl_PobierzSlownik(10001);
            IntPtr slot = root == IntPtr.Zero ? IntPtr.Zero : Native.sl_PobierzOpisKodu(root, code);
            if (slot == IntPtr.Zero) return codes;
            int count = SlotCount(slot);
            IntPtr entries = Marshal.ReadIntPtr(slot, IntPtr.Size);
            for (int i = 0; i < count; ++i)
            {
                string c = ReadEntry(entries, i).ShortText;
                if (!string.IsNullOrEmpty(c) && !codes.Contains(c)) codes.Add(c);
            }
            codes.Sort(string.CompareOrdinal);
            return codes;
        }

        // Record layouts: a trie slot is count (16 bits), entries, child; an edition is
        // description, valid_from, valid_to, attribute (16 bits), short_text. Pointers are
        // 4 or 8 bytes and aligned to their size.
        static int SlotSize { get { return 3 * IntPtr.Size; } }
        static int EntrySize { get { return 3 * IntPtr.Size + 8; } }

        static int SlotCount(IntPtr slot) { return (ushort)Marshal.ReadInt16(slot, 0); }

        static Entry ReadEntry(IntPtr entries, int index)
        {
            IntPtr e = new IntPtr(entries.ToInt64() + (long)index * EntrySize);
            int p = IntPtr.Size;
            return new Entry(FromValue(Marshal.ReadInt32(e, p)), FromValue(Marshal.ReadInt32(e, p + 4)),
                             Read(Marshal.ReadIntPtr(e, 0)), Read(Marshal.ReadIntPtr(e, 2 * p + 8)),
                             (ushort)Marshal.ReadInt16(e, p + 8));
        }

        static void Walk(IntPtr node, string prefix, Action<string, IntPtr> visit)
        {
            if (node == IntPtr.Zero) return;
            for (int digit = 0; digit < 10; ++digit)
            {
                IntPtr slot = new IntPtr(node.ToInt64() + (long)digit * SlotSize);
                string code = prefix + (char)('0' + digit);
                if (SlotCount(slot) > 0) visit(code, slot);
                Walk(Marshal.ReadIntPtr(slot, 2 * IntPtr.Size), code, visit);
            }
        }

        static string Read(IntPtr text) { return text == IntPtr.Zero ? null : Marshal.PtrToStringUni(text); }

        static DateTime FromValue(int value)
        {
            if (value == 99991231) return OpenEnd;
            try { return new DateTime(value / 10000, value / 100 % 100, value % 100); }
            catch (ArgumentOutOfRangeException) { return value < 18500101 ? FirstDay : OpenEnd; }
        }

        static void Text(string text, string name)
        {
            if (text == null) throw new ArgumentNullException(name);
            if (text.IndexOf('\0') >= 0) throw new ArgumentException("a code must not hold a NUL character", name);
        }

        static void TitleCode(string code, string name)
        {
            Text(code, name);
            if (code.Length != 6 || !Digits(code))
                throw new ArgumentException("an insurance title code is six digits, such as 011000 (title 0110, " +
                                            "pension-right digit 0, disability digit 0)", name);
        }

        static bool Digits(string s)
        {
            if (s.Length == 0) return false;
            foreach (char c in s) if (c < '0' || c > '9') return false;
            return true;
        }

        static void Day(DateTime date, string name)
        {
            if (date < FirstDay) throw new ArgumentOutOfRangeException(name, date, "days before 1850 are not read");
        }

        static int DayValue(DateTime date, string name)
        {
            Day(date, name);
            return date.Year * 10000 + date.Month * 100 + date.Day;
        }

        static string DayText(DateTime date, string name)
        {
            Day(date, name);
            return date.ToString("ddMMyyyy", CultureInfo.InvariantCulture);
        }

        // A month text MMRRRR. The library reads months of 1850 to 2020 only and takes any
        // other month text for the current month, so later months are refused here.
        static string MonthText(DateTime date, string name)
        {
            Day(date, name);
            if (date.Year > LastMonthYear)
                throw new ArgumentOutOfRangeException(name, date, "months after " + LastMonthYear + " are not read by the library");
            return date.ToString("MMyyyy", CultureInfo.InvariantCulture);
        }

        // Lower case without diacritics, as the search compares.
        static string Fold(string text)
        {
            string d = text.Normalize(NormalizationForm.FormD);
            var sb = new StringBuilder(d.Length);
            foreach (char c in d)
            {
                if (CharUnicodeInfo.GetUnicodeCategory(c) == UnicodeCategory.NonSpacingMark) continue;
                switch (c)
                {
                    case 'ł': case 'Ł': sb.Append('l'); break;
                    case 'đ': case 'Đ': sb.Append('d'); break;
                    case 'ß': sb.Append('s'); break;
                    default: sb.Append(char.ToLowerInvariant(c)); break;
                }
            }
            return sb.ToString();
        }
    }
}
