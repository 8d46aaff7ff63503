// kodownik: the command-line face of Kodownik_W. It links the library like
// any host does, through include/kodownik/kodownik.h and the exports.
#include <iostream>

#include <CLI/CLI.hpp>

#include "commands.h"
#include "errors.h"

int main(int argc, char** argv) {
    using namespace kodcli;
    CLI::App app{"kodownik: the code dictionaries and validation rules of ZUS declarations.\n"
                 "Without a command: a short tour of what the library answers.\n"
                 "Dates: DDMMRRRR (31122002), MMRRRR (122002) or YYYY-MM-DD (2002-12-31)."};
    app.set_version_flag("--version", KODOWNIK_CLI_VERSION " (editions: " KODOWNIK_CLI_EDITIONS ")");
    bool json = false;
    app.add_flag("--json", json, "machine-readable output (JSON)");
    app.require_subcommand(0, 1);

    std::string id, code, date, format = "tsv";
    std::vector<std::string> words;

    CLI::App* list = app.add_subcommand("list", "the catalogue: every dictionary ID, its name, codes and entries");
    list->add_flag("--json", json, "machine-readable output (JSON)");

    CLI::App* show = app.add_subcommand("show", "the entries of a code: periods, attribute, short text, description");
    show->add_option("ID", id, "dictionary ID, 10001 to 10049")->required();
    show->add_option("CODE", code, "the code (digits), or a short text such as 01R or PL")->required();
    show->add_option("--date", date, "mark the entry in force on this date (default: today)");
    show->add_flag("--json", json, "machine-readable output (JSON)");

    CLI::App* check = app.add_subcommand("check", "may the code be entered in a declaration field? exit status 0 yes, 1 no");
    check->add_option("ID", id, "dictionary ID, 10001 to 10049 (10003: six-digit insurance title codes)")->required();
    check->add_option("CODE", code, "the code as typed")->required();
    check->add_option("--date", date, "the date of the declaration (default: none, any time)");
    check->add_flag("--json", json, "machine-readable output (JSON)");

    CLI::App* search = app.add_subcommand("search", "codes whose description or short text holds all the words");
    search->add_option("ID", id, "dictionary ID, 10001 to 10049")->required();
    search->add_option("WORDS", words, "words to find; case and Polish diacritics do not matter")->required();
    search->add_flag("--json", json, "machine-readable output (JSON)");

    CLI::App* exp = app.add_subcommand("export", "the whole dictionary with every edition of every code");
    exp->add_option("ID", id, "dictionary ID, 10001 to 10049")->required();
    exp->add_option("--format", format, "tsv (default), csv or json");
    exp->add_flag("--json", json, "the same as --format json");

    CLI::App* title = app.add_subcommand("title", "an insurance title code: insurances, forms and benefit codes");
    title->add_option("CODE", code, "six digits: title, pension-right digit, disability digit (011000)")->required();
    title->add_option("--date", date, "the date asked about (default: today)");
    title->add_flag("--json", json, "machine-readable output (JSON)");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) return app.exit(e);  // --help, --version
        std::cerr << "kodownik: error: " << e.what() << " (see kodownik --help)\n";
        return 2;
    }

    try {
        if (*list) return RunList(json);
        if (*show) return RunShow(id, code, date, json);
        if (*check) return RunCheck(id, code, date, json);
        if (*search) return RunSearch(id, words, json);
        if (*exp) return RunExport(id, json ? "json" : format);
        if (*title) return RunTitle(code, date, json);
        return RunDemo(json);
    } catch (const UserError& e) {
        std::cerr << "kodownik: error: " << e.what() << "\n";
        return 2;
    } catch (const NotFound& e) {
        std::cerr << "kodownik: " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "kodownik: error: " << e.what() << "\n";
        return 2;
    }
}
