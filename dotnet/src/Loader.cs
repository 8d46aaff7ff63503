// Locating the native library before the first call. On Windows the DLL of
// the process's bitness is loaded by full path from an x64\ or x86\ folder
// (or a NuGet runtimes\win-*\native\ folder) beside this assembly or the
// application; once loaded, every [DllImport("Kodownik_W")] binds to it. On
// Linux the runtime finds libKodownik_W.so by the usual search (the
// application folder, LD_LIBRARY_PATH, the system's library path; with Mono
// also a <dllmap> in Kodownik.dll.config).
using System;
using System.IO;
using System.Runtime.InteropServices;

namespace Zus
{
    static class Loader
    {
        internal static readonly bool IsWindows = Path.DirectorySeparatorChar == '\\';

        [DllImport("kernel32", CharSet = CharSet.Unicode, SetLastError = true)]
        static extern IntPtr LoadLibraryW(string path);

        static bool loaded;
        static readonly object gate = new object();

        internal static void Load()
        {
            lock (gate)
            {
                if (loaded || !IsWindows) return;
                loaded = true;
                foreach (string path in Candidates())
                {
                    if (File.Exists(path) && LoadLibraryW(path) != IntPtr.Zero) return;
                }
                // Nothing found: the system's search for Kodownik_W.dll takes over.
            }
        }

        static System.Collections.Generic.IEnumerable<string> Candidates()
        {
            string env = Environment.GetEnvironmentVariable("KODOWNIK_LIBRARY");
            if (!string.IsNullOrEmpty(env)) yield return env;
            string arch = IntPtr.Size == 8 ? "x64" : "x86";
            string location = typeof(Loader).Assembly.Location;   // "" in a single-file bundle
            string here = string.IsNullOrEmpty(location) ? "" : Path.GetDirectoryName(location) ?? "";
            foreach (string dir in new[] { here, AppDomain.CurrentDomain.BaseDirectory ?? "" })
            {
                if (dir.Length == 0) continue;
                yield return Path.Combine(Path.Combine(dir, arch), "Kodownik_W.dll");
                yield return Path.Combine(dir, Path.Combine("runtimes", Path.Combine("win-" + arch, Path.Combine("native", "Kodownik_W.dll"))));
                // a NuGet cache: lib\net462\Kodownik.dll beside runtimes\
                yield return Path.Combine(dir, Path.Combine("..", Path.Combine("..", Path.Combine("runtimes", Path.Combine("win-" + arch, Path.Combine("native", "Kodownik_W.dll"))))));
            }
        }
    }

    // The 8-bit texts of the bw_ functions: Windows-1250, NUL-terminated.
    static class Cp1250
    {
        const string High =
            "\u20AC\0\u201A\0\u201E\u2026\u2020\u2021\0\u2030\u0160\u2039\u015A\u0164\u017D\u0179" +
            "\0\u2018\u2019\u201C\u201D\u2022\u2013\u2014\0\u2122\u0161\u203A\u015B\u0165\u017E\u017A" +
            "\u00A0\u02C7\u02D8\u0141\u00A4\u0104\u00A6\u00A7\u00A8\u00A9\u015E\u00AB\u00AC\u00AD\u00AE\u017B" +
            "\u00B0\u00B1\u02DB\u0142\u00B4\u00B5\u00B6\u00B7\u00B8\u0105\u015F\u00BB\u013D\u02DD\u013E\u017C" +
            "\u0154\u00C1\u00C2\u0102\u00C4\u0139\u0106\u00C7\u010C\u00C9\u0118\u00CB\u011A\u00CD\u00CE\u010E" +
            "\u0110\u0143\u0147\u00D3\u00D4\u0150\u00D6\u00D7\u0158\u016E\u00DA\u0170\u00DC\u00DD\u0162\u00DF" +
            "\u0155\u00E1\u00E2\u0103\u00E4\u013A\u0107\u00E7\u010D\u00E9\u0119\u00EB\u011B\u00ED\u00EE\u010F" +
            "\u0111\u0144\u0148\u00F3\u00F4\u0151\u00F6\u00F7\u0159\u016F\u00FA\u0171\u00FC\u00FD\u0163\u02D9";

        // null stays null; a character Windows-1250 lacks is an ArgumentException.
        internal static byte[] Encode(string text, string name)
        {
            if (text == null) return null;
            var bytes = new byte[text.Length + 1];
            for (int i = 0; i < text.Length; ++i)
            {
                char c = text[i];
                int b = c < 0x80 ? c : High.IndexOf(c) >= 0 ? 0x80 + High.IndexOf(c) : -1;
                if (b < 0) throw new ArgumentException("'" + c + "' has no Windows-1250 form", name);
                bytes[i] = (byte)b;
            }
            return bytes;
        }
    }
}
