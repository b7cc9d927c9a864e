// The long soak: a host, three joining players and four bots play for 30 simulated minutes (or
// the minutes given as the first argument) on the in-memory bus under 25 % loss, 25 %
// duplication, reordering and 250 +- 100 ms delay, with two level changes; then the faults stop.
// Prints what happened: time, traffic, loss, level changes, the largest size of every table and
// how long the tables took to agree. A second argument "hostile" adds the hostile senders;
// "boundaries" plays level changes at their fastest (frag limit 1, two maps, eight changes) while
// a joiner leaves and another joins every 7 s, and counts where the placements landed.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "support/soak_match.h"

int main(int argc, char** argv) {
    SoakOptions options;
    if (argc > 1) options.minutes = static_cast<uint32_t>(std::max(1, std::atoi(argv[1])));
    if (argc > 2 && std::strcmp(argv[2], "hostile") == 0) {
        options.joiners = 2;
        options.hostileJoiner = true;
        options.stranger = true;
    }
    const bool boundaries = argc > 2 && std::strcmp(argv[2], "boundaries") == 0;
    if (boundaries) {
        options.levelChanges = 8;
        options.bots = 3;
        options.fragLimit = 1;
        options.maps = {"arena1.map", "arena2.map"};
        options.churnEveryMs = 7000;
    }
    SoakMatch match(options);
    SoakFigures f = match.Run();
    bool exact = match.HostHoldsExactlyTheRealPlayers();
    std::printf("simulated minutes      %.1f\n", f.simulatedMs / 60000.0);
    std::printf("machines               %d humans, %d bots%s\n", options.joiners + 1, options.bots,
                options.stranger ? ", hostile joiner and stranger" : "");
    std::printf("datagrams sent         %llu\n", static_cast<unsigned long long>(f.datagrams));
    std::printf(
        "lost                   %llu (%.1f %%)\n", static_cast<unsigned long long>(f.lost),
        f.datagrams ? 100.0 * static_cast<double>(f.lost) / static_cast<double>(f.datagrams) : 0.0);
    std::printf("duplicated             %llu\n", static_cast<unsigned long long>(f.duplicated));
    std::printf("hostile datagrams      %llu\n",
                static_cast<unsigned long long>(f.hostileDatagrams));
    std::printf("level changes          %d\n", f.levelChanges);
    std::printf("kills, bullets fired   %lld, %lld\n", static_cast<long long>(f.kills),
                static_cast<long long>(f.bulletsFired));
    std::printf("players that lost the game and rejoined  %d\n", f.rejoins);
    std::printf("convergence            %d ms after the faults stopped%s\n", f.convergenceMs,
                f.convergenceMs < 0 ? " (never)" : "");
    std::printf("host table exact       %s\n", exact ? "yes" : "NO");
    std::printf("bullets left           %zu\n", f.bulletsLeft);
    std::printf(
        "largest tables         server players %zu, resends %zu, removals %zu, visitors "
        "%zu, client players %zu, remote bullets %zu, impacts %zu, datagrams in flight "
        "%zu\n",
        f.maxServerPlayers, f.maxPendingMessages, f.maxDepartures, f.maxVisitors,
        f.maxClientPlayers, f.maxRemoteBullets, f.maxImpacts, f.maxWaitingDatagrams);
    if (boundaries) {
        std::printf("leave-and-join pairs   %d\n", f.churns);
        std::printf("placements             %d after level changes, %d off the server's level\n",
                    f.placements, f.placementsOffMap);
        std::printf("restart order          a joiner first %d, the host first %d\n",
                    f.joinerRestartedFirst, f.hostRestartedFirst);
    }
    bool sound = f.placementsOffMap == 0 && exact && f.convergenceMs >= 0 &&
                 f.convergenceMs <= 1000 && f.bulletsLeft == 0 &&
                 f.levelChanges == options.levelChanges && f.rejoins == 0;
    std::printf("%s\n", sound ? "SOUND" : "FAULTY");
    return sound ? 0 : 1;
}
