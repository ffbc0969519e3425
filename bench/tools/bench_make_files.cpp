// bench_make_files DIR COUNT: writes COUNT full configuration files
// DIR/cfg-NNNN.cfg, each a differently shifted worst case (every entry used,
// many bad references, broken queues), and lists their paths on stdout.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "config/config_file.h"
#include "support/bench_images.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_make_files DIR COUNT\n");
        return 2;
    }
    const std::string dir = argv[1];
    const int count = std::atoi(argv[2]);
    auto image = std::make_unique<talvex::ConfigImage>();
    for (int i = 0; i < count; ++i) {
        talvex::bench::FillWorstCaseImage(*image, static_cast<std::uint32_t>(i));
        char name[32];
        std::snprintf(name, sizeof name, "/cfg-%04d.cfg", i);
        const std::string path = dir + name;
        if (!talvex::bench::WriteFileBytes(path, talvex::ConfigFileBytes(*image))) {
            std::perror(path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
