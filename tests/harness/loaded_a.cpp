#undef KODOWNIK_WIDE
#include "harness/loaded.inl"

std::unique_ptr<harness::Loaded> harness::LoadNarrow(const std::string& path, std::string& error) {
    return Load(path, error);
}
