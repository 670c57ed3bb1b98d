// File finder speed against the duplicate finders people already use. A
// synthetic home holds about 300,000 small files (a third of them in code
// trees the finder prunes: node_modules, .git, target, build) and about 200
// files of 10 MB and more: sets of true copies (some with extra hard links),
// and pairs of equal size that differ in their first 64 KiB, in the middle or
// only in their last bytes. No copies lie under code roots or pruned folders,
// so every tool should report the same sets.
//   1. SHA-256 throughput: Qt's QCryptographicHash against OpenSSL (ours);
//   2. the whole load (FileFinder::all) against `jdupes -r`, `rdfind` and
//      `fdupes -r` over the same roots with the same 10 MB floor: median wall
//      time of warm runs, bytes read (rchar of the process's /proc/<pid>/io)
//      and peak memory, and whether the duplicate sets agree.
// Every program runs as a child of this one and is measured the same way;
// our load runs as `bench_files --load` with HOME pointing at the corpus.
// The corpus lives in a temporary folder under /tmp, on a tmpfs of its own
// where this process may mount one and memory allows (deleting 300,000 files
// from a disk mounted with `discard` takes minutes), and is removed at the end.
#include <fcntl.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "model/files/FileGroups.h"
#include "platform/Places.h"
#include "platform/Sha256.h"

extern char** environ;

namespace fs = std::filesystem;
using namespace sorbeta;

namespace {

constexpr int kRuns = 3;
constexpr int64_t kFloor = 10'000'000;
constexpr int64_t kBigBase = 10'002'432;  // a multiple of 4096 just over the floor
constexpr int64_t kSizeStep = 65'536;     // sizes of unrelated big files differ by this

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "bench_files: %s\n", why.c_str());
    std::exit(1);
}

// ---- the corpus ----------------------------------------------------------

class Corpus {
public:
    explicit Corpus(fs::path home) : home_(std::move(home)) {}

    int64_t smallFiles() const { return small_; }
    int64_t bigFiles() const { return big_; }
    int64_t bigBytes() const { return bigBytes_; }

    void small(const fs::path& relative, int bytes) {
        const fs::path path = home_ / relative;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) fail("cannot create " + path.native());
        static const std::string filler(8192, 's');
        if (::write(fd, filler.data(), std::size_t(bytes)) != bytes) fail("short write");
        ::close(fd);
        ++small_;
    }

    // `count` small files in each of `folders` folders below `relative`.
    void smallTree(const fs::path& relative, int folders, int count) {
        for (int f = 0; f < folders; ++f) {
            const fs::path folder = relative / ("d" + std::to_string(f));
            fs::create_directories(home_ / folder);
            for (int i = 0; i < count; ++i) small(folder / ("f" + std::to_string(i) + ".txt"), 100 + (i * 37) % 4000);
        }
    }

    // A big file of pseudo-random content from `seed`; `flipAt` >= 0 changes
    // one byte there.
    void big(const fs::path& relative, int64_t bytes, uint64_t seed, int64_t flipAt = -1) {
        const fs::path path = home_ / relative;
        fs::create_directories(path.parent_path());
        std::vector<uint64_t> block(1 << 17);  // 1 MiB
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        uint64_t state = seed * 0x9E3779B97F4A7C15ull + 1;
        for (int64_t done = 0; done < bytes;) {
            for (uint64_t& word : block) {
                state ^= state << 13;
                state ^= state >> 7;
                state ^= state << 17;
                word = state;
            }
            const int64_t n = std::min<int64_t>(bytes - done, int64_t(block.size() * 8));
            auto* bytesOf = reinterpret_cast<char*>(block.data());
            if (flipAt >= done && flipAt < done + n) bytesOf[flipAt - done] = char(~bytesOf[flipAt - done]);
            out.write(bytesOf, n);
            done += n;
        }
        if (!out) fail("cannot write " + path.native());
        ++big_;
        bigBytes_ += bytes;
    }

    void link(const fs::path& existing, const fs::path& relative) {
        fs::create_hard_link(home_ / existing, home_ / relative);
        ++big_;
    }

private:
    fs::path home_;
    int64_t small_ = 0, big_ = 0, bigBytes_ = 0;
};

void buildCorpus(Corpus& corpus, const fs::path& home) {
    for (const char* folder :
         {"Downloads", "Documents", "Desktop", "Videos", "Music", "Pictures", "Projects", "Code", ".config"})
        fs::create_directories(home / folder);
    // Small files: ~120,000 in projects (most in pruned trees), ~34,000 in
    // code roots, the rest in the user's folders.
    for (int p = 0; p < 40; ++p) {
        const fs::path project = fs::path("Projects") / ("app" + std::to_string(p));
        corpus.smallTree(project / "node_modules", 20, 100);
        corpus.smallTree(project / ".git/objects", 5, 100);
        corpus.smallTree(project / "src", 3, 100);
        corpus.smallTree(project / "build", 2, 100);
    }
    for (int p = 0; p < 20; ++p) {
        const fs::path project = fs::path("Code") / ("lib" + std::to_string(p));
        corpus.smallTree(project / "target", 15, 100);
        corpus.smallTree(project / "src", 2, 100);
    }
    corpus.smallTree("Documents/archive", 400, 200);
    corpus.smallTree("Downloads/unpacked", 100, 200);
    corpus.smallTree("Pictures/camera", 150, 200);
    corpus.smallTree("Music/library", 80, 200);

    const std::vector<fs::path> places = {"Downloads", "Documents", "Desktop", "Videos", "Music", "Pictures"};
    int64_t size = 0;  // the index of the next distinct size
    uint64_t seed = 1;
    const auto where = [&](int i) { return places[std::size_t(i) % places.size()]; };
    const auto sizeOf = [&](int64_t index) { return kBigBase + index * kSizeStep; };
    // True copies: 10 pairs, 5 triples, 5 sets of four; every other set also
    // has a hard link to its first copy.
    int set = 0;
    for (const int members : {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4}) {
        const int64_t bytes = sizeOf(size++);
        const std::string name = "copy" + std::to_string(set);
        for (int m = 0; m < members; ++m)
            corpus.big(where(set + m) / "dups" / (name + "-" + std::to_string(m)), bytes, seed);
        if (set % 2 == 0) corpus.link(where(set) / "dups" / (name + "-0"), where(set) / "dups" / (name + "-link"));
        ++seed;
        ++set;
    }
    // Near copies: equal size, one byte apart in the first 64 KiB, in the
    // middle, or in the very last byte.
    for (int pair = 0; pair < 30; ++pair) {
        const int64_t bytes = sizeOf(size++);
        const int64_t flip = pair < 10 ? 1'000 : pair < 20 ? bytes / 2 : bytes - 1;
        const std::string name = "near" + std::to_string(pair);
        corpus.big(where(pair) / "near" / (name + "-a"), bytes, seed);
        corpus.big(where(pair + 1) / "near" / (name + "-b"), bytes, seed, flip);
        ++seed;
    }
    // Files of their own size, some in code roots and pruned folders.
    for (int i = 0; i < 60; ++i) corpus.big(where(i) / "own" / ("file" + std::to_string(i)), sizeOf(size++), seed++);
    for (int i = 0; i < 5; ++i)
        corpus.big(fs::path("Projects/app1/node_modules/blob") / std::to_string(i), sizeOf(size++), seed++);
    for (int i = 0; i < 5; ++i) corpus.big(fs::path("Code/lib1/src/asset") / std::to_string(i), sizeOf(size++), seed++);
}

// ---- running and measuring a child ---------------------------------------

struct Measured {
    double seconds = 0;
    int64_t bytesRead = 0;
    int64_t peakKiB = 0;
};

int64_t rcharOf(pid_t pid) {
    std::ifstream io("/proc/" + std::to_string(pid) + "/io");
    std::string key;
    int64_t value = 0;
    while (io >> key >> value)
        if (key == "rchar:") return value;
    return -1;
}

// Runs the program with its output in `output`; the figures are read while
// the child is a zombie, before it is reaped.
Measured runMeasured(const std::vector<std::string>& argv, const fs::path& output, char** environment) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environment) != 0) fail("cannot start " + argv[0]);
    posix_spawn_file_actions_destroy(&actions);
    siginfo_t info{};
    if (::waitid(P_PID, id_t(pid), &info, WEXITED | WNOWAIT) != 0) fail("waitid");
    Measured measured;
    measured.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    measured.bytesRead = rcharOf(pid);
    int status = 0;
    struct rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    measured.peakKiB = usage.ru_maxrss;
    // jdupes and fdupes exit 0 with or without matches; rdfind too.
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) fail(argv[0] + " failed");
    return measured;
}

// ---- duplicate sets as each tool writes them ------------------------------

using FileId = std::pair<uint64_t, uint64_t>;
using SetList = std::set<std::set<FileId>>;

void addSet(SetList& sets, const std::vector<std::string>& paths) {
    std::set<FileId> files;
    for (const std::string& path : paths) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0) files.insert({uint64_t(st.st_dev), uint64_t(st.st_ino)});
    }
    if (files.size() >= 2) sets.insert(files);  // names of one file are no duplicates
}

// jdupes and fdupes: one path a line, sets apart by a blank line.
SetList blankSeparated(const fs::path& output) {
    SetList sets;
    std::ifstream in(output);
    std::vector<std::string> current;
    for (std::string line; std::getline(in, line);) {
        if (line.empty()) {
            addSet(sets, current);
            current.clear();
        } else {
            current.push_back(line);
        }
    }
    addSet(sets, current);
    return sets;
}

// rdfind's results file: "duptype id depth size device inode priority name".
SetList rdfindSets(const fs::path& output) {
    std::map<long, std::vector<std::string>> byId;
    std::ifstream in(output);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string type, depth, size, device, inode, priority;
        long id = 0;
        fields >> type >> id >> depth >> size >> device >> inode >> priority;
        std::string name;
        std::getline(fields >> std::ws, name);
        byId[std::labs(id)].push_back(name);
    }
    SetList sets;
    for (const auto& [id, paths] : byId) addSet(sets, paths);
    return sets;
}

// Ours: "cluster<TAB>path" for each entry of the duplicates group.
SetList ourSets(const fs::path& output) {
    std::map<int, std::vector<std::string>> byCluster;
    std::ifstream in(output);
    for (std::string line; std::getline(in, line);) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos) continue;
        byCluster[std::stoi(line.substr(0, tab))].push_back(line.substr(tab + 1));
    }
    SetList sets;
    for (const auto& [cluster, paths] : byCluster) addSet(sets, paths);
    return sets;
}

// MemAvailable of /proc/meminfo in bytes; 0 when it cannot be read.
int64_t availableMemory() {
    std::ifstream meminfo("/proc/meminfo");
    std::string key;
    int64_t kib = 0;
    std::string unit;
    while (meminfo >> key >> kib >> unit)
        if (key == "MemAvailable:") return kib * 1024;
    return 0;
}

// ---- the parts of the run -------------------------------------------------

int loadAndPrint() {
    const platform::Places places = platform::Places::fromEnvironment();
    const auto groups = FileFinder::all(QDateTime::currentDateTimeUtc(), places);
    for (const DevGroup& group : groups) {
        if (group.id != QLatin1String("dups")) continue;
        for (const DevEntry& entry : group.entries) {
            const auto* file = std::get_if<DevEntry::TrashFile>(&entry.action);
            if (file) std::printf("%d\t%s\n", entry.cluster.value_or(-1), file->url.c_str());
        }
    }
    return 0;
}

void hashThroughput() {
    std::vector<char> chunk(4 << 20);
    for (std::size_t i = 0; i < chunk.size(); ++i) chunk[i] = char(i * 131);
    constexpr int kChunks = 128;  // 512 MiB
    const auto gigabytesPerSecond = [&](auto&& hashAll) {
        const auto start = std::chrono::steady_clock::now();
        hashAll();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        return double(chunk.size()) * kChunks / seconds / 1e9;
    };
    const double qt = gigabytesPerSecond([&] {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        for (int i = 0; i < kChunks; ++i) hash.addData(QByteArrayView(chunk.data(), qsizetype(chunk.size())));
        (void)hash.result();
    });
    const double openssl = gigabytesPerSecond([&] {
        platform::Sha256 hash;
        for (int i = 0; i < kChunks; ++i) hash.update(chunk.data(), chunk.size());
        (void)hash.finish();
    });
    std::printf("SHA-256 of 512 MiB, one thread: Qt %.2f GB/s, OpenSSL %.2f GB/s (%.1fx)\n", qt, openssl, openssl / qt);
}

struct Tool {
    std::string name;
    std::vector<std::string> argv;  // roots are appended
    SetList (*parse)(const fs::path&);
    bool writesFile = false;  // rdfind writes its results file itself
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc > 1 && std::string(argv[1]) == "--load") return loadAndPrint();

    hashThroughput();

    char pattern[] = "/tmp/bench_files.XXXXXX";
    if (!::mkdtemp(pattern)) fail("mkdtemp");
    const fs::path root = pattern;
    const bool inMemory = availableMemory() > (int64_t(10) << 30) &&
                          ::mount("tmpfs", root.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=6g,mode=0700") == 0;
    std::printf("corpus on %s\n", inMemory ? "a tmpfs (warm runs read from memory as from a warm cache)" : "disk");
    const fs::path home = root / "home";
    fs::create_directories(home);
    std::printf("building the corpus in %s …\n", root.c_str());
    std::fflush(stdout);
    Corpus corpus(home);
    const auto built = std::chrono::steady_clock::now();
    buildCorpus(corpus, home);
    std::printf("corpus: %lld small files, %lld big files (%.2f GB) in %.1f s\n", (long long)corpus.smallFiles(),
                (long long)corpus.bigFiles(), double(corpus.bigBytes()) / 1e9,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - built).count());

    std::vector<std::string> roots;
    for (const char* folder : {"Downloads", "Documents", "Desktop", "Videos", "Music", "Pictures", "Projects", "Code"})
        roots.push_back((home / folder).native());
    const std::string floor = std::to_string(kFloor);
    const fs::path rdfindOut = root / "rdfind.txt";
    std::vector<Tool> tools = {
        {"sorbeta", {fs::read_symlink("/proc/self/exe").native(), "--load"}, &ourSets},
        {"jdupes -r", {"jdupes", "-r", "-q", "-X", "size+=:" + floor}, &blankSeparated},
        {"rdfind", {"rdfind", "-minsize", floor, "-outputname", rdfindOut.native()}, &rdfindSets, true},
        {"fdupes -r", {"fdupes", "-r", "-q", "--minsize=" + floor}, &blankSeparated},
    };

    // Our load reads HOME and the XDG folders: point them at the corpus.
    std::vector<std::string> environment = {"HOME=" + home.native(),
                                            "XDG_CONFIG_HOME=" + (home / ".config").native(),
                                            "XDG_DATA_HOME=" + (root / "data").native(),
                                            "XDG_CACHE_HOME=" + (root / "cache").native(),
                                            "PATH=/usr/bin:/bin",
                                            "LC_ALL=C.UTF-8"};
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);

    SetList reference;
    bool agree = true;
    std::printf("\n%-10s %10s %16s %14s %12s %6s\n", "tool", "wall (s)", "(fastest-slowest)", "read (MB)", "peak (MB)",
                "sets");
    double ours = 0, fastestOther = 1e9;
    for (Tool& tool : tools) {
        std::vector<std::string> argv = tool.argv;
        if (tool.name != "sorbeta") argv.insert(argv.end(), roots.begin(), roots.end());
        const fs::path output = root / "out.txt";
        std::vector<Measured> runs;
        for (int run = 0; run < kRuns; ++run) runs.push_back(runMeasured(argv, output, envp.data()));
        std::sort(runs.begin(), runs.end(), [](const auto& a, const auto& b) { return a.seconds < b.seconds; });
        const Measured& median = runs[runs.size() / 2];
        const SetList sets = tool.parse(tool.writesFile ? rdfindOut : output);
        if (tool.name == "sorbeta") {
            reference = sets;
            ours = median.seconds;
        } else {
            agree = agree && sets == reference;
            fastestOther = std::min(fastestOther, median.seconds);
        }
        std::printf("%-10s %10.2f %7.2f-%-8.2f %14.1f %12.1f %6zu%s\n", tool.name.c_str(), median.seconds,
                    runs.front().seconds, runs.back().seconds, double(median.bytesRead) / 1e6,
                    double(median.peakKiB) / 1024.0, sets.size(),
                    tool.name != "sorbeta" && sets != reference ? "  (sets differ)" : "");
        std::fflush(stdout);
    }
    std::printf("\nexpected sets: 20; the tools %s\n", agree ? "agree on every set" : "DISAGREE");
    std::printf("sorbeta %.2f s against the fastest other tool %.2f s: %s\n", ours, fastestOther,
                ours < fastestOther ? "faster" : "slower");

    const auto removing = std::chrono::steady_clock::now();
    if (inMemory) ::umount2(root.c_str(), MNT_DETACH);
    fs::remove_all(root);
    std::printf("corpus removed in %.1f s\n",
                std::chrono::duration<double>(std::chrono::steady_clock::now() - removing).count());
    return agree && reference.size() == 20 ? 0 : 1;
}
