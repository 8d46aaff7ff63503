// The values the typed methods of Kodownik answer with.
using System;
using System.Collections.Generic;

namespace Zus
{
    /// <summary>A dictionary that holds codes: its ID (10001 to 10049) and name.</summary>
    public sealed class DictionaryInfo
    {
        /// <summary>The dictionary ID.</summary>
        public int Id { get; private set; }
        /// <summary>The dictionary's name; null for the few without one.</summary>
        public string Name { get; private set; }
        internal DictionaryInfo(int id, string name) { Id = id; Name = name; }
        /// <summary>"ID name".</summary>
        public override string ToString() { return Id + " " + Name; }
    }

    /// <summary>One edition of a code: its validity period and its texts.</summary>
    public sealed class Entry
    {
        /// <summary>First day the edition is in force.</summary>
        public DateTime ValidFrom { get; private set; }
        /// <summary>Last day the edition is in force; 9999-12-31 for an open end.</summary>
        public DateTime ValidTo { get; private set; }
        /// <summary>True when the period has no end (stored as 99991231).</summary>
        public bool IsOpenEnded { get { return ValidTo == Kodownik.OpenEnd; } }
        /// <summary>The wording; null where the dictionary has none.</summary>
        public string Description { get; private set; }
        /// <summary>The code as written on documents, where the dictionary has such a form; else null.</summary>
        public string ShortText { get; private set; }
        /// <summary>A value whose meaning the dictionary fixes; 0 where unused.</summary>
        public int Attribute { get; private set; }
        internal Entry(DateTime from, DateTime to, string description, string shortText, int attribute)
        {
            ValidFrom = from; ValidTo = to; Description = description; ShortText = shortText; Attribute = attribute;
        }
        /// <summary>"from to: description".</summary>
        public override string ToString()
        {
            return ValidFrom.ToString("yyyy-MM-dd") + " to " + (IsOpenEnded ? "open" : ValidTo.ToString("yyyy-MM-dd")) + ": " + Description;
        }
    }

    /// <summary>A code found by <see cref="Kodownik.Search"/>: the code and its first matching edition.</summary>
    public sealed class SearchHit
    {
        /// <summary>The code.</summary>
        public string Code { get; private set; }
        /// <summary>The first of its editions whose texts hold every word.</summary>
        public Entry Entry { get; private set; }
        internal SearchHit(string code, Entry entry) { Code = code; Entry = entry; }
    }

    /// <summary>The five social insurances.</summary>
    public enum Insurance
    {
        /// <summary>Pension insurance (emerytalne).</summary>
        Pension = 0,
        /// <summary>Disability insurance (rentowe).</summary>
        Disability = 1,
        /// <summary>Sickness insurance (chorobowe).</summary>
        Sickness = 2,
        /// <summary>Accident insurance (wypadkowe).</summary>
        Accident = 3,
        /// <summary>Health insurance (zdrowotne).</summary>
        Health = 4,
    }

    /// <summary>The statuses the rules of a title allow for one insurance (a set).</summary>
    [Flags]
    public enum InsuranceStatus
    {
        /// <summary>No status is allowed (no rule in force).</summary>
        None = 0,
        /// <summary>O: obligatory.</summary>
        Obligatory = 1,
        /// <summary>D: voluntary.</summary>
        Voluntary = 2,
        /// <summary>N: not subject.</summary>
        NotSubject = 4,
        /// <summary>W: insured under another title.</summary>
        OtherTitle = 8,
    }

    /// <summary>For each of the five insurances, the set of statuses allowed.</summary>
    public sealed class Insurances
    {
        readonly InsuranceStatus[] statuses;
        internal Insurances(InsuranceStatus[] statuses) { this.statuses = statuses; }
        /// <summary>The statuses allowed for one insurance.</summary>
        public InsuranceStatus this[Insurance insurance]
        {
            get
            {
                if (insurance < Insurance.Pension || insurance > Insurance.Health) throw new ArgumentOutOfRangeException("insurance");
                return statuses[(int)insurance];
            }
        }
        /// <summary>Pension insurance.</summary>
        public InsuranceStatus Pension { get { return statuses[0]; } }
        /// <summary>Disability insurance.</summary>
        public InsuranceStatus Disability { get { return statuses[1]; } }
        /// <summary>Sickness insurance.</summary>
        public InsuranceStatus Sickness { get { return statuses[2]; } }
        /// <summary>Accident insurance.</summary>
        public InsuranceStatus Accident { get { return statuses[3]; } }
        /// <summary>Health insurance.</summary>
        public InsuranceStatus Health { get { return statuses[4]; } }
    }

    /// <summary>The declaration forms with an insurance title field.</summary>
    public enum Form
    {
        /// <summary>ZUS DRA.</summary>
        Dra,
        /// <summary>ZUS RCA.</summary>
        Rca,
        /// <summary>ZUS RNA.</summary>
        Rna,
        /// <summary>ZUS RZA.</summary>
        Rza,
        /// <summary>ZUS ZUA.</summary>
        Zua,
        /// <summary>ZUS ZZA.</summary>
        Zza,
    }

    /// <summary>What a six-digit insurance title code means on a date, as <c>kodownik title</c> shows it.</summary>
    public sealed class TitleInfo
    {
        /// <summary>The six-digit code (title, pension-right digit, disability digit).</summary>
        public string Code { get; internal set; }
        /// <summary>The day asked about.</summary>
        public DateTime Date { get; internal set; }
        /// <summary>The wording of the four-digit title in dictionary 10015 on the date; null if none.</summary>
        public string Description { get; internal set; }
        /// <summary>Whether insurance rules exist for the code at all.</summary>
        public bool HasRules { get; internal set; }
        /// <summary>Whether an insurance rule of the code is in force on the date.</summary>
        public bool RulesInForce { get; internal set; }
        /// <summary>The statuses of the five insurances on the date.</summary>
        public Insurances Insurances { get; internal set; }
        /// <summary>The forms that admit the code on the date, as "ZUS RCA".</summary>
        public IList<string> Forms { get; internal set; }
        /// <summary>The forms that admit the code at other times only.</summary>
        public IList<string> FormsAtOtherTimes { get; internal set; }
        /// <summary>The benefit and break codes that may be reported under the code in the date's
        /// month, in ascending order.</summary>
        public IList<string> BenefitCodes { get; internal set; }
    }

    /// <summary>A rule of the benefit tables that ties a benefit code to an expected type in a month.</summary>
    public enum BenefitRule
    {
        /// <summary>The contribution-days type.</summary>
        ContributionDays,
        /// <summary>The period-from type.</summary>
        PeriodFrom,
        /// <summary>The period-to type.</summary>
        PeriodTo,
        /// <summary>The benefit type.</summary>
        BenefitType,
        /// <summary>The month (MSC) type.</summary>
        Month,
    }

    /// <summary>The kind of a payer, for deregistration reasons (dictionary 10008).</summary>
    public enum PayerKind
    {
        /// <summary>A legal person or organisational unit ("P").</summary>
        LegalPerson = 'P',
        /// <summary>A natural person ("F").</summary>
        NaturalPerson = 'F',
    }

    /// <summary>Age groups of relationship codes (dictionary 10006).</summary>
    public enum AgeGroup
    {
        /// <summary>Parents and grandparents ("S").</summary>
        Senior = 'S',
        /// <summary>Children and grandchildren ("M").</summary>
        Minor = 'M',
    }
}
