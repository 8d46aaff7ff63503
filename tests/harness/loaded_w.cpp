#define KODOWNIK_WIDE 1
#include "harness/loaded.inl"

std::unique_ptr<harness::Loaded> harness::LoadWide(const std::string& path, std::string& error, bool partial) {
    return Load(path, error, partial);
}
