// Which editions of the code lists the bundled native library carries, as
// the package script wrote it into Kodownik.editions beside that library
// (and beside the assembly): "snapshot" or "current".
using System;
using System.IO;

namespace Zus
{
    public static partial class Kodownik
    {
        /// <summary>The editions of the code lists of the bundled native library:
        /// "snapshot" (the reference code lists) or "current" (the code lists followed
        /// by date to 2026). "snapshot" where no Kodownik.editions file is found.</summary>
        public static readonly string Editions = ReadEditions(EditionsCandidates());

        internal const string EditionsFile = "Kodownik.editions";

        /// <summary>The editions named by the first of the files that exists;
        /// "snapshot" without one, or where it names anything else.</summary>
        internal static string ReadEditions(System.Collections.Generic.IEnumerable<string> paths)
        {
            foreach (string path in paths)
            {
                string text;
                try
                {
                    if (!File.Exists(path)) continue;
                    text = File.ReadAllText(path).Trim();
                }
                catch (Exception)
                {
                    continue;
                }
                return text == "current" ? "current" : "snapshot";
            }
            return "snapshot";
        }

        static System.Collections.Generic.IEnumerable<string> EditionsCandidates()
        {
            string location = typeof(Kodownik).Assembly.Location;   // "" in a single-file bundle
            string here = string.IsNullOrEmpty(location) ? "" : Path.GetDirectoryName(location) ?? "";
            foreach (string dir in new[] { here, AppDomain.CurrentDomain.BaseDirectory ?? "" })
            {
                if (dir.Length == 0) continue;
                yield return Path.Combine(dir, EditionsFile);
            }
        }
    }
}
