// Fills a folder with a home of about 300,000 files for the map cost script
// (bench/map_cost.sh): small files spread over the places the catalog's
// categories and rules measure, plus a few large ones, so the clean page's
// map shows many jellies of different sizes. Deterministic.
// Usage: bench_map_home <home folder> [files]   (default 300000)
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

struct Place {
    const char* folder;
    int share;    // per mille of the files
    int depth;    // folder levels below it
    int largeMB;  // one large file of this many megabytes on top (0: none)
};

// Places of both the catalog's own rows and their Linux counterparts.
const Place kPlaces[] = {
    {"Pictures/Library", 140, 3, 120},
    {"Music/Albums", 30, 2, 40},
    {"Documents/Work", 110, 3, 60},
    {"Downloads", 30, 1, 90},
    {"Projects/webapp/node_modules", 150, 4, 0},
    {"Library/Developer/Xcode/DerivedData/App-abc/Build", 60, 4, 30},
    {".npm/_cacache/content-v2", 80, 3, 0},
    {".cache/huggingface/hub", 10, 2, 200},
    {".gradle/caches/build-cache-1", 40, 1, 0},
    {"Library/Caches/com.example.Editor", 50, 2, 20},
    {"Library/Caches/Google/Chrome/Default/Cache", 50, 1, 0},
    {".cache/thumbnails/large", 40, 1, 0},
    {".cache/pip/http", 30, 2, 10},
    {"Library/Logs/Apps", 40, 2, 5},
    {".Trash/old", 30, 2, 50},
    {".local/share/Trash/files/old", 20, 2, 0},
    {"Library/Application Support/Slack/Cache", 50, 2, 0},
    {"Applications/Tool.app/Contents", 40, 2, 80},
    {".ollama/models/blobs", 0, 0, 300},
};

void writeFile(const fs::path& path, std::size_t bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) {
        std::fprintf(stderr, "bench_map_home: cannot create %s\n", path.c_str());
        std::exit(1);
    }
    static const std::string block(1 << 16, 'x');
    while (bytes > 0) {
        const std::size_t n = std::min(bytes, block.size());
        if (::write(fd, block.data(), n) != static_cast<ssize_t>(n)) {
            std::fprintf(stderr, "bench_map_home: cannot write %s\n", path.c_str());
            std::exit(1);
        }
        bytes -= n;
    }
    ::close(fd);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_map_home <home folder> [files]\n");
        return 2;
    }
    const fs::path home = argv[1];
    const int files = argc > 2 ? std::max(1, std::atoi(argv[2])) : 300000;
    std::mt19937 random(16);
    std::uniform_int_distribution<int> spread(0, 11);
    std::uniform_int_distribution<std::size_t> small(1, 6000);
    int made = 0;
    for (const Place& place : kPlaces) {
        const fs::path root = home / place.folder;
        fs::create_directories(root);
        const int count = files * place.share / 1000;
        for (int i = 0; i < count; ++i) {
            fs::path folder = root;
            for (int level = 0, n = i; level < place.depth; ++level, n /= 12)
                folder /= "d" + std::to_string((n + spread(random)) % 12);
            fs::create_directories(folder);
            writeFile(folder / ("f" + std::to_string(i)), small(random));
            ++made;
        }
        if (place.largeMB > 0) {
            writeFile(root / "large.bin", std::size_t(place.largeMB) << 20);
            ++made;
        }
    }
    std::printf("%d files in %s\n", made, home.c_str());
    return 0;
}
