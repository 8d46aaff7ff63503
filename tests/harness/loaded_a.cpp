#undef KODOWNIK_WIDE
#include "harness/loaded.inl"

std::unique_ptr<harness::Loaded> harness::LoadNarrow(const std::string& path, std::string& error, bool partial) {
    return Load(path, error, partial);
}
