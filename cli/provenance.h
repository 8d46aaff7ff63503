// Where the texts of an entry come from, for the entries whose texts are not
// verified against a given, public or derived source. The table is generated
// from data/*.tsv by tools/gen/cli_provenance.py.
#ifndef KODOWNIK_CLI_PROVENANCE_H
#define KODOWNIK_CLI_PROVENANCE_H

#include <string>

namespace kodcli {

struct ProvenanceRow {
    unsigned id;         // dictionary ID
    const char* code;    // the code as in the trie
    int index;           // the entry's place among the code's entries, from 0
    const char* source;  // "reconstructed" or "absent"
};

extern const ProvenanceRow kProvenance[];
extern const unsigned kProvenanceCount;

// The source class of an entry, or nullptr when its texts are verified.
const char* SourceOf(unsigned id, const std::string& code, int index);

}  // namespace kodcli

#endif
