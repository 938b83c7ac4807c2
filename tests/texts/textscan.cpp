// The rule that every text a user reads stands in a catalogue: scans C++
// sources for string literals with a character outside ASCII and names each
// one that stands outside the catalogue files (texts.h, texts.cpp) and the
// files of words that are not user texts (formatwords.h). Comments are
// skipped; so are character literals.
//
//   textscan <folder>...   exit status 1 when any literal is found, each named
//                          as file:line: "literal"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool exempt(const fs::path& file) {
    static const std::set<std::string> names = {"texts.h", "texts.cpp", "formatwords.h"};
    return names.count(file.filename().string()) > 0;
}

bool isSource(const fs::path& file) {
    const std::string ext = file.extension().string();
    return ext == ".h" || ext == ".cpp";
}

struct Finding {
    int line;
    std::string literal;
};

// The string literals of a source with a byte outside ASCII.
std::vector<Finding> scan(const std::string& text) {
    std::vector<Finding> found;
    int line = 1;
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto advance = [&](std::size_t to) {
        for (; i < to && i < n; ++i)
            if (text[i] == '\n')
                ++line;
    };
    while (i < n) {
        const char c = text[i];
        if (c == '/' && i + 1 < n && text[i + 1] == '/') {
            const std::size_t end = text.find('\n', i);
            advance(end == std::string::npos ? n : end);
        } else if (c == '/' && i + 1 < n && text[i + 1] == '*') {
            const std::size_t end = text.find("*/", i + 2);
            advance(end == std::string::npos ? n : end + 2);
        } else if (c == 'R' && i + 1 < n && text[i + 1] == '"') {
            // A raw string: R"delimiter( ... )delimiter"
            const std::size_t open = text.find('(', i + 2);
            if (open == std::string::npos)
                break;
            const std::string close = ")" + text.substr(i + 2, open - i - 2) + "\"";
            const std::size_t end = text.find(close, open);
            const std::size_t stop = end == std::string::npos ? n : end + close.size();
            const int at = line;
            const std::string literal = text.substr(i, stop - i);
            advance(stop);
            for (unsigned char b : literal)
                if (b >= 0x80) {
                    found.push_back({at, literal});
                    break;
                }
        } else if (c == '"' || c == '\'') {
            const int at = line;
            std::size_t j = i + 1;
            while (j < n && text[j] != c && text[j] != '\n')
                j += text[j] == '\\' ? 2 : 1;
            const std::string literal = text.substr(i, j + 1 - i);
            advance(j + 1);
            if (c == '"')
                for (unsigned char b : literal)
                    if (b >= 0x80) {
                        found.push_back({at, literal});
                        break;
                    }
        } else {
            advance(i + 1);
        }
    }
    return found;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: textscan <folder>...\n");
        return 2;
    }
    int count = 0;
    for (int a = 1; a < argc; ++a) {
        std::vector<fs::path> files;
        for (const auto& entry : fs::recursive_directory_iterator(argv[a]))
            if (entry.is_regular_file() && isSource(entry.path()) && !exempt(entry.path()))
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            std::ifstream in(file, std::ios::binary);
            const std::string text{std::istreambuf_iterator<char>(in), {}};
            for (const Finding& f : scan(text)) {
                std::printf("%s:%d: %s\n", file.string().c_str(), f.line, f.literal.c_str());
                ++count;
            }
        }
    }
    if (count > 0)
        std::printf("%d user text(s) outside the catalogues (texts.h, texts.cpp): each "
                    "belongs in its library's catalogue, or in formatwords.h when a file or "
                    "a device stores it\n",
                    count);
    return count > 0 ? 1 : 0;
}
