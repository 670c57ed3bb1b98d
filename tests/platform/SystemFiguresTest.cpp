#include <gtest/gtest.h>

#include <fstream>

#include "TestEnvironment.h"
#include "platform/CacheDrop.h"
#include "platform/SystemFigures.h"

using namespace sorbeta;
using namespace sorbeta::platform;

namespace {

constexpr int64_t KiB = 1024;

void put(const std::filesystem::path& file, const std::string& text) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << text;
}

const char* kMeminfo =
    "MemTotal:       16000000 kB\n"
    "MemFree:         2000000 kB\n"
    "MemAvailable:    9000000 kB\n"
    "Active(file):    3000000 kB\n"
    "Inactive(file):  2000000 kB\n"
    "SReclaimable:     500000 kB\n"
    "AnonPages:       4000000 kB\n"
    "Shmem:            300000 kB\n"
    "SwapTotal:       2000000 kB\n"
    "SwapFree:        1500000 kB\n"
    "Zswap:            100000 kB\n"
    "HugePages_Total:       0\n";

}  // namespace

class SystemFiguresTest : public test::HomeTest {};

TEST_F(SystemFiguresTest, MemoryPartsAddUpToTotalAndFreeIsMemFree) {
    const auto root = home() / "sys1";
    put(root / "proc/meminfo", kMeminfo);
    put(root / "sys/block/zram0/mm_stat", "4096000 1024000 2048000 0 2048000 0 0 0 0\n");
    put(root / "sys/block/sda/size", "100\n");
    const MemoryReading memory = SystemFiles(root).memory();
    EXPECT_EQ(memory.total, 16000000 * KiB);
    EXPECT_EQ(memory.app, 4300000 * KiB);
    EXPECT_EQ(memory.compressed, 100000 * KiB + 2048000);
    EXPECT_EQ(memory.cached, 5500000 * KiB);
    EXPECT_EQ(memory.free, 2000000 * KiB);
    EXPECT_EQ(memory.app + memory.wired + memory.compressed + memory.cached + memory.free, memory.total);
    EXPECT_GT(memory.wired, 0);
    EXPECT_EQ(memory.swapUsed, 500000 * KiB);
    EXPECT_EQ(memory.pressure, 1);  // no PSI file, 56 % available

    // Counts that overlap leave no remainder: nothing is negative, free is 0.
    const auto crowded = memoryFrom(parseMeminfo("MemTotal: 100 kB\nMemFree: 10 kB\nAnonPages: 80 kB\n"
                                                 "Active(file): 40 kB\nMemAvailable: 50 kB\n"),
                                    0, std::nullopt);
    EXPECT_EQ(crowded.wired, 0);
    EXPECT_EQ(crowded.free, 0);

    // A meminfo that cannot be read: the physical memory, nothing else.
    const MemoryReading unreadable = SystemFiles(home() / "nothing").memory();
    EXPECT_EQ(unreadable.total, physicalMemory());
    EXPECT_GT(unreadable.total, 0);
    EXPECT_EQ(unreadable.app + unreadable.cached + unreadable.free + unreadable.swapUsed, 0);
    EXPECT_EQ(unreadable.pressure, 1);
}

TEST(SystemFigures, PressureFromPsiAndTheAvailableFloor) {
    const std::string calm =
        "some avg10=0.00 avg60=0.00 avg300=0.00 total=0\n"
        "full avg10=0.00 avg60=0.00 avg300=0.00 total=0\n";
    const std::string some =
        "some avg10=10.00 avg60=3.00 avg300=1.00 total=5\n"
        "full avg10=9.99 avg60=0.00 avg300=0.00 total=1\n";
    const std::string full =
        "some avg10=40.00 avg60=3.00 avg300=1.00 total=5\n"
        "full avg10=12.50 avg60=0.00 avg300=0.00 total=1\n";
    EXPECT_EQ(pressureLevel(calm, 50, 100), 1);
    EXPECT_EQ(pressureLevel(some, 50, 100), 2);
    EXPECT_EQ(pressureLevel(full, 50, 100), 4);
    // The floor: below 10 % at least 2, below 5 % at least 4, never lowered.
    EXPECT_EQ(pressureLevel(calm, 9, 100), 2);
    EXPECT_EQ(pressureLevel(full, 9, 100), 4);
    EXPECT_EQ(pressureLevel(calm, 4, 100), 4);
    EXPECT_EQ(pressureLevel(calm, 10, 100), 1);
    // Without the PSI file only the floor speaks.
    EXPECT_EQ(pressureLevel(std::nullopt, 50, 100), 1);
    EXPECT_EQ(pressureLevel(std::nullopt, 7, 100), 2);
    EXPECT_EQ(pressureLevel("garbage avg10=x\n", 50, 100), 1);
}

TEST(SystemFigures, CpuTicksCountGuestTimeOnce) {
    // user nice system idle iowait irq softirq steal guest guest_nice
    const auto ticks = parseCpuTicks("cpu  100 20 30 400 50 6 7 8 90 10\ncpu0 1 1 1 1 1 1 1 1 1 1\nintr 5\n");
    ASSERT_TRUE(ticks);
    EXPECT_EQ(ticks->busy, 100u + 20 + 30 + 6 + 7 + 8);
    EXPECT_EQ(ticks->total, ticks->busy + 400 + 50);
    // Old kernels print only four columns.
    const auto old = parseCpuTicks("cpu 1 2 3 4\n");
    ASSERT_TRUE(old);
    EXPECT_EQ(old->busy, 6u);
    EXPECT_EQ(old->total, 10u);
    EXPECT_FALSE(parseCpuTicks("cpu0 1 2 3 4\n"));
    EXPECT_FALSE(parseCpuTicks("cpu 1 -2 3 4\n"));
    EXPECT_EQ(SystemFiles("/nonexistent-root").cpuTicks(), CpuTicks{});
    EXPECT_EQ(parseUptime("3600.52 1234.00\n"), 3600.52);
    EXPECT_FALSE(parseUptime("soon\n"));
}

TEST_F(SystemFiguresTest, BatteriesOfTheSystemOnly) {
    const auto root = home() / "power";
    const auto supplies = root / "sys/class/power_supply";
    EXPECT_FALSE(SystemFiles(root).battery());  // no folder at all
    std::filesystem::create_directories(supplies);
    EXPECT_FALSE(SystemFiles(root).battery());  // a desktop

    // A mouse's battery is the mouse's business.
    put(supplies / "hidpp_battery_0/type", "Battery\n");
    put(supplies / "hidpp_battery_0/scope", "Device\n");
    put(supplies / "hidpp_battery_0/capacity", "50\n");
    put(supplies / "hidpp_battery_0/energy_now", "5\n");
    put(supplies / "hidpp_battery_0/energy_full", "10\n");
    EXPECT_FALSE(SystemFiles(root).battery());

    // BAT0 reports a zero full charge: skipped for BAT1.
    put(supplies / "BAT0/type", "Battery\n");
    put(supplies / "BAT0/energy_now", "100\n");
    put(supplies / "BAT0/energy_full", "0\n");
    put(supplies / "BAT1/type", "Battery\n");
    put(supplies / "BAT1/status", "Discharging\n");
    put(supplies / "BAT1/charge_now", "2999\n");
    put(supplies / "BAT1/charge_full", "4000\n");
    put(supplies / "AC/type", "Mains\n");
    put(supplies / "AC/online", "0\n");
    auto battery = SystemFiles(root).battery();
    ASSERT_TRUE(battery);
    EXPECT_EQ(battery->percent, 74);  // truncated
    EXPECT_FALSE(battery->charging);
    EXPECT_FALSE(battery->onAC);
    EXPECT_FALSE(battery->cycles);  // absent

    put(supplies / "BAT1/cycle_count", "0\n");
    EXPECT_FALSE(SystemFiles(root).battery()->cycles);  // 0 means the firmware does not count
    put(supplies / "BAT1/cycle_count", "321\n");
    put(supplies / "BAT1/status", "Charging\n");
    put(supplies / "BAT1/charge_now", "4400\n");  // over full: a worn battery that is full
    put(supplies / "AC/online", "1\n");
    battery = SystemFiles(root).battery();
    ASSERT_TRUE(battery);
    EXPECT_EQ(battery->percent, 100);
    EXPECT_TRUE(battery->charging);
    EXPECT_TRUE(battery->onAC);
    EXPECT_EQ(battery->cycles, 321);

    // Two batteries are one to the user: an internal one nearly full and
    // idle, a swappable one nearly empty and charging.
    put(supplies / "BAT0/status", "Not charging\n");
    put(supplies / "BAT0/energy_now", "23000000\n");
    put(supplies / "BAT0/energy_full", "23200000\n");
    std::filesystem::remove_all(supplies / "BAT1");
    put(supplies / "BAT2/type", "Battery\n");
    put(supplies / "BAT2/status", "Charging\n");
    put(supplies / "BAT2/energy_now", "3000000\n");
    put(supplies / "BAT2/energy_full", "70000000\n");
    battery = SystemFiles(root).battery();
    ASSERT_TRUE(battery);
    EXPECT_EQ(battery->percent, 27);  // 26 of 93.2 Wh
    EXPECT_TRUE(battery->charging);
    // Figures in different units do not add up: the first battery alone.
    std::filesystem::remove(supplies / "BAT2/energy_now");
    std::filesystem::remove(supplies / "BAT2/energy_full");
    put(supplies / "BAT2/charge_now", "300000\n");
    put(supplies / "BAT2/charge_full", "7000000\n");
    battery = SystemFiles(root).battery();
    ASSERT_TRUE(battery);
    EXPECT_EQ(battery->percent, 99);
    EXPECT_FALSE(battery->charging);
}

// Laptops charged through USB-C show the charger as a "USB" supply, often
// with no "Mains" one at all.
TEST_F(SystemFiguresTest, AUsbCChargerFeedingTheMachineIsMainsPower) {
    const auto root = home() / "usbc";
    const auto supplies = root / "sys/class/power_supply";
    put(supplies / "BAT0/type", "Battery\n");
    put(supplies / "BAT0/status", "Charging\n");
    put(supplies / "BAT0/energy_now", "500\n");
    put(supplies / "BAT0/energy_full", "1000\n");
    put(supplies / "ucsi-source-psy-USBC000:001/type", "USB\n");
    put(supplies / "ucsi-source-psy-USBC000:001/online", "0\n");
    EXPECT_FALSE(SystemFiles(root).battery()->onAC);
    put(supplies / "ucsi-source-psy-USBC000:001/online", "1\n");
    EXPECT_TRUE(SystemFiles(root).battery()->onAC);
    // A device's own USB supply (a headset charging from the machine) is not the machine's power.
    put(supplies / "ucsi-source-psy-USBC000:001/online", "0\n");
    put(supplies / "headset/type", "USB\n");
    put(supplies / "headset/scope", "Device\n");
    put(supplies / "headset/online", "1\n");
    EXPECT_FALSE(SystemFiles(root).battery()->onAC);
}

// Some batteries (many ARM laptops, tablets, virtual machines) publish only
// their charge in percent, with neither energy nor charge figures.
TEST_F(SystemFiguresTest, BatteriesThatGiveOnlyAPercentage) {
    const auto root = home() / "percent";
    const auto supplies = root / "sys/class/power_supply";
    put(supplies / "battery/type", "Battery\n");
    put(supplies / "battery/status", "Charging\n");
    put(supplies / "battery/capacity", "57\n");
    put(supplies / "ac/type", "Mains\n");
    put(supplies / "ac/online", "1\n");
    auto battery = SystemFiles(root).battery();
    ASSERT_TRUE(battery);
    EXPECT_EQ(battery->percent, 57);
    EXPECT_TRUE(battery->charging);
    EXPECT_TRUE(battery->onAC);

    // Nonsense is no battery; more than full is full.
    put(supplies / "battery/capacity", "unknown\n");
    EXPECT_FALSE(SystemFiles(root).battery());
    put(supplies / "battery/capacity", "-3\n");
    EXPECT_FALSE(SystemFiles(root).battery());
    put(supplies / "battery/capacity", "104\n");
    EXPECT_EQ(SystemFiles(root).battery()->percent, 100);

    // Energy figures, where there are any, say more than the rounded percentage.
    put(supplies / "battery/capacity", "12\n");
    put(supplies / "battery/energy_now", "300\n");
    put(supplies / "battery/energy_full", "1000\n");
    EXPECT_EQ(SystemFiles(root).battery()->percent, 30);

    // A second battery that gives only a percentage is in another unit: the first alone.
    put(supplies / "battery2/type", "Battery\n");
    put(supplies / "battery2/capacity", "90\n");
    EXPECT_EQ(SystemFiles(root).battery()->percent, 30);
    std::filesystem::remove_all(supplies / "battery");
    EXPECT_EQ(SystemFiles(root).battery()->percent, 90);

    // Firmware that reports a full energy or charge of 0 still gives its percentage.
    auto percent = [&] {
        const auto battery = SystemFiles(root).battery();
        return battery ? battery->percent : -1;
    };
    put(supplies / "battery2/energy_now", "4000\n");
    put(supplies / "battery2/energy_full", "0\n");
    EXPECT_EQ(percent(), 90);
    put(supplies / "battery2/charge_now", "4000\n");
    put(supplies / "battery2/charge_full", "0\n");
    EXPECT_EQ(percent(), 90);
    // Its charge figures, where they are sound, still say more.
    put(supplies / "battery2/charge_full", "5000\n");
    EXPECT_EQ(percent(), 80);
}

// A sysfs attribute reports one page as its size whatever it holds: 16 or
// 64 KiB on some arm64 and ppc64le kernels.
TEST_F(SystemFiguresTest, AttributeFilesAsLargeAsALargePage) {
    const auto root = home() / "pages";
    const auto page = [](const std::string& value) {
        std::string text = value + "\n";
        text.resize(64 * 1024, ' ');
        return text;
    };
    const auto supplies = root / "sys/class/power_supply";
    put(supplies / "BAT0/type", page("Battery"));
    put(supplies / "BAT0/status", page("Charging"));
    put(supplies / "BAT0/energy_now", page("250"));
    put(supplies / "BAT0/energy_full", page("1000"));
    put(supplies / "BAT0/cycle_count", page("12"));
    const auto battery = SystemFiles(root).battery();
    ASSERT_TRUE(battery);
    EXPECT_EQ(battery->percent, 25);
    EXPECT_TRUE(battery->charging);
    EXPECT_EQ(battery->cycles, 12);

    put(root / "sys/class/dmi/id/sys_vendor", page("Framework"));
    put(root / "sys/class/dmi/id/product_name", page("Laptop 16"));
    EXPECT_EQ(SystemFiles(root).machineName(), "Framework Laptop 16");
    put(root / "proc/meminfo", kMeminfo);
    put(root / "sys/block/zram0/mm_stat", page("4096000 1024000 2048000 0 2048000 0 0 0 0"));
    EXPECT_EQ(SystemFiles(root).memory().compressed, 100000 * KiB + 2048000);

    // Still only a small file is read: a huge one is not a figure.
    std::string huge = page("Laptop 16");
    huge.resize(4 << 20, ' ');
    put(root / "sys/class/dmi/id/product_name", huge);
    EXPECT_EQ(SystemFiles(root).machineName(), "Framework");
}

TEST_F(SystemFiguresTest, MachineAndProcessorNames) {
    EXPECT_TRUE(isPlaceholderName("To Be Filled By O.E.M."));
    EXPECT_TRUE(isPlaceholderName(" System Product Name\n"));
    EXPECT_TRUE(isPlaceholderName("Default string"));
    EXPECT_FALSE(isPlaceholderName("XPS 13 9310"));
    EXPECT_EQ(machineName("Dell Inc.", "XPS 13 9310", "", ""), "Dell Inc. XPS 13 9310");
    EXPECT_EQ(machineName("LENOVO", "20XWCTO1WW", "ThinkPad X1 Carbon Gen 9", ""), "LENOVO ThinkPad X1 Carbon Gen 9");
    EXPECT_EQ(machineName("ASUS", "System Product Name", "System Version", ""), "ASUS");
    EXPECT_EQ(machineName("Default string", "Default string", "", std::string("Raspberry Pi 4 Model B\0", 24)),
              "Raspberry Pi 4 Model B");
    EXPECT_EQ(machineName("", "", "", ""), "");

    const auto root = home() / "dmi";
    put(root / "sys/class/dmi/id/sys_vendor", "Framework\n");
    put(root / "sys/class/dmi/id/product_name", "Laptop 13 (AMD Ryzen 7040Series)\n");
    put(root / "proc/cpuinfo",
        "processor\t: 0\nvendor_id\t: AuthenticAMD\nmodel name\t: AMD Ryzen 7 7840U\n\n"
        "processor\t: 1\nmodel name\t: AMD Ryzen 7 7840U\n");
    EXPECT_EQ(SystemFiles(root).machineName(), "Framework Laptop 13 (AMD Ryzen 7040Series)");
    EXPECT_EQ(SystemFiles(root).processorName(), "AMD Ryzen 7 7840U");
    EXPECT_EQ(processorName("processor : 0\nHardware : BCM2835\n"), "BCM2835");
    // LoongArch capitalises the key.
    EXPECT_EQ(
        processorName("system type\t\t: generic-loongson-machine\n\nprocessor\t\t: 0\npackage\t\t\t: 0\n"
                      "CPU Family\t\t: Loongson-64bit\nModel Name\t\t: Loongson-3A6000\nCPU MHz\t\t\t: 2500.00\n"),
        "Loongson-3A6000");
    // A mainline arm64 kernel gives only each core's codes: a big.LITTLE chip
    // names both kinds once, in the order met; unknown codes name nothing.
    const auto core = [](const char* implementer, const char* part) {
        return std::string("processor\t: 0\nBogoMIPS\t: 48.00\nCPU implementer\t: ") + implementer +
               "\nCPU architecture: 8\nCPU variant\t: 0x1\nCPU part\t: " + part + "\nCPU revision\t: 0\n\n";
    };
    EXPECT_EQ(processorName(core("0x41", "0xd05") + core("0x41", "0xd05") + core("0x41", "0xd0b")),
              "ARM Cortex-A55 + ARM Cortex-A76");
    EXPECT_EQ(processorName(core("0x41", "0xd0c")), "ARM Neoverse-N1");
    EXPECT_EQ(processorName(core("0x61", "0x023")), "Apple M1");
    EXPECT_EQ(processorName(core("0x41", "0xfff") + core("0x99", "0xd05") + core("0x41", "junk")), "");
    EXPECT_EQ(SystemFiles(home() / "none").processorName(), "");
}

TEST_F(SystemFiguresTest, CacheDropFeedsTeeThroughTheGivenPkexec) {
    // A stand-in pkexec that records its arguments and stdin, then exits as told.
    const auto fake = home() / "pkexec";
    const auto log = home() / "log";
    auto install = [&](int status) {
        put(fake, "#!/bin/sh\nprintf '%s|' \"$@\" > '" + log.string() + "'\ncat >> '" + log.string() +
                      "'\necho 'pkexec: said no' >&2\nexit " + std::to_string(status) + "\n");
        std::filesystem::permissions(fake, std::filesystem::perms::owner_all);
    };
    install(0);
    ProcessResult result = dropFileCaches(fake);
    EXPECT_TRUE(result.succeeded());
    std::ifstream in(log);
    const std::string seen((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(seen, "/usr/bin/tee|/proc/sys/vm/drop_caches|3\n");

    install(kPkexecDismissed);
    result = dropFileCaches(fake);
    EXPECT_EQ(result.exitCode, 126);
    EXPECT_EQ(result.err, "pkexec: said no\n");

    result = dropFileCaches(home() / "no-pkexec-here");
    EXPECT_FALSE(result.started);
}
