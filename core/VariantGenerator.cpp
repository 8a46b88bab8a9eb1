#include "core/VariantGenerator.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_set>

#include "core/CountWord.h"
#include "core/Error.h"
#include "core/Solver.h"
#include "core/Utf8.h"

namespace trimerka {

namespace {

constexpr int kUnlimitedAmount = 99;
constexpr int kStatementWidth = 55; // characters, about the examples' line length

using Amounts = std::array<int, kVesselCount>;

// SplitMix64: a small generator whose sequence depends on nothing but its seed, so a set can be made again
// byte for byte anywhere (the standard library's distributions may differ between systems).
class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // A number in 0..bound-1, every value equally likely.
    std::size_t below(std::size_t bound) {
        const std::uint64_t b = bound;
        const std::uint64_t threshold = (0 - b) % b; // 2^64 mod b: the values below it would favour some
        for (;;) {
            const std::uint64_t r = next();
            if (r >= threshold) {
                return static_cast<std::size_t>(r % b);
            }
        }
    }
    template <typename T> void shuffle(std::vector<T>& items) {
        for (std::size_t i = items.size(); i > 1; --i) {
            std::swap(items[i - 1], items[below(i)]);
        }
    }

private:
    std::uint64_t state_;
};

// Capacities and a start in which every vessel is empty or full. Capacities are kept in a canonical order
// (largest first; for an unlimited А, Б at least В), and the other orders are made by relabelling the
// vessels, which changes no distance: the pour rules treat the vessels alike, apart from an unlimited А.
struct Setup {
    Amounts capacity;
    Amounts start;
};

// 7 bits for each capacity and 3 for the start's full vessels: the list of setups for capacities up to 99
// stays at four bytes an entry.
using PackedSetup = std::uint32_t;

PackedSetup pack(int a, int b, int c, int fullMask) {
    return static_cast<PackedSetup>(a | b << 7 | c << 14 | fullMask << 21);
}

Setup unpack(PackedSetup packed, bool unlimitedSource) {
    const int a = static_cast<int>(packed & 0x7F);
    const int b = static_cast<int>(packed >> 7 & 0x7F);
    const int c = static_cast<int>(packed >> 14 & 0x7F);
    const int full = static_cast<int>(packed >> 21 & 0x7);
    Setup setup{{a, b, c}, {}};
    for (int v = 0; v < kVesselCount; ++v) {
        setup.start[v] = (full >> v & 1) != 0 ? setup.capacity[v] : 0;
    }
    if (unlimitedSource) {
        setup.start[VesselA] = kUnlimitedAmount;
    }
    return setup;
}

std::vector<PackedSetup> canonicalSetups(const VariantLimits& limits) {
    std::vector<PackedSetup> setups;
    const int most = limits.maxCapacity;
    if (limits.unlimitedSource) {
        for (int b = 1; b <= most; ++b) {
            for (int c = 1; c <= b; ++c) {
                for (int full = 0; full < 4; ++full) {
                    setups.push_back(pack(kUnlimitedAmount, b, c, 1 | full << 1));
                }
            }
        }
        return setups;
    }
    for (int a = 1; a <= most; ++a) {
        for (int b = 1; b <= a; ++b) {
            for (int c = 1; c <= b; ++c) {
                // All empty or all full: no command moves anything.
                for (int full = 1; full < 7; ++full) {
                    setups.push_back(pack(a, b, c, full));
                }
            }
        }
    }
    return setups;
}

// The vessel orders that turn a canonical setup into every task it stands for.
std::vector<Amounts> relabellings(bool unlimitedSource) {
    if (unlimitedSource) {
        return {{0, 1, 2}, {0, 2, 1}};
    }
    return {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
}

Amounts relabel(const Amounts& amounts, const Amounts& order) {
    return {amounts[order[0]], amounts[order[1]], amounts[order[2]]};
}

bool hasEqualCapacities(const Amounts& c) {
    return c[0] == c[1] || c[1] == c[2] || c[0] == c[2];
}

// A task as a search result: nine small numbers.
struct Candidate {
    std::array<std::uint8_t, kVesselCount> capacity;
    std::array<std::uint8_t, kVesselCount> start;
    std::array<std::uint8_t, kVesselCount> target;

    std::uint64_t key() const {
        std::uint64_t k = 0;
        for (const auto* part : {&capacity, &start, &target}) {
            for (std::uint8_t value : *part) {
                k = k << 7 | value;
            }
        }
        return k;
    }
};

Candidate candidate(const Amounts& capacity, const Amounts& start, const Amounts& target) {
    Candidate c{};
    for (int v = 0; v < kVesselCount; ++v) {
        c.capacity[v] = static_cast<std::uint8_t>(capacity[v]);
        c.start[v] = static_cast<std::uint8_t>(start[v]);
        c.target[v] = static_cast<std::uint8_t>(target[v]);
    }
    return c;
}

Amounts amounts(const std::array<std::uint8_t, kVesselCount>& values) {
    return {values[0], values[1], values[2]};
}

// Breadth-first walk over the states that the executor's Pour reaches from a start. It is run for a very
// large number of small starts, so the set of seen states is a hash table reused from walk to walk (the
// solver makes its marks anew for every search); every variant that is chosen is then confirmed by the
// solver itself.
class StateWalk {
public:
    explicit StateWalk(int maxCapacity) {
        // At most (Б + 1) x (В + 1) states: with the total fixed, or А unlimited, two amounts decide the
        // third.
        const std::size_t states = static_cast<std::size_t>(maxCapacity + 1) * (maxCapacity + 1);
        std::size_t size = 1024;
        while (size < 4 * states) {
            size *= 2;
        }
        keys_.assign(size, 0);
        marks_.assign(size, 0);
    }

    struct Reached {
        Amounts amount;
        int distance;
    };

    // Every state reached from `start` with its least number of steps, nearest first.
    const std::vector<Reached>& walk(const VesselState& start) {
        ++mark_;
        reached_.clear();
        const int sizeB = start.capacity[VesselB] + 1;
        const int sizeV = start.capacity[VesselV] + 1;
        auto insert = [&](const Amounts& a) {
            const auto key =
                static_cast<std::uint32_t>((a[VesselA] * sizeB + a[VesselB]) * sizeV + a[VesselV]);
            std::size_t slot = (key * 2654435761U) & (keys_.size() - 1);
            while (marks_[slot] == mark_) {
                if (keys_[slot] == key) {
                    return false;
                }
                slot = (slot + 1) & (keys_.size() - 1);
            }
            marks_[slot] = mark_;
            keys_[slot] = key;
            return true;
        };
        insert(start.amount);
        reached_.push_back({start.amount, 0});
        VesselState state = start;
        for (std::size_t head = 0; head < reached_.size(); ++head) {
            state.amount = reached_[head].amount;
            const int distance = reached_[head].distance + 1;
            for (const PourCommand& command : PourCommand::all) {
                const Amounts next = Pour(state, command).after.amount;
                if (insert(next)) {
                    reached_.push_back({next, distance});
                }
            }
        }
        return reached_;
    }

private:
    std::vector<std::uint32_t> keys_;
    std::vector<std::uint32_t> marks_;
    std::uint32_t mark_ = 0;
    std::vector<Reached> reached_;
};

// Every task that one setup stands for, with the least number of steps to its target: each state the walk
// reaches, in every order of the vessels, passed to `visit(distance, candidate)`; only those of `steps` steps
// when `steps` is not 0. Two orders can only give the same task when capacities are equal, so only those
// tasks are remembered in `seen`, and one met before is skipped. Returns the longest distance walked.
template <typename Visit>
int visitTasks(const Setup& setup, const VariantLimits& limits, const std::vector<Amounts>& orders, int steps,
               StateWalk& walk, std::unordered_set<std::uint64_t>& seen, Visit&& visit) {
    VesselState start;
    start.capacity = setup.capacity;
    start.amount = setup.start;
    start.unlimitedSource = limits.unlimitedSource ? 1 : 0;
    start.pourBackAllowed = limits.pourBackAllowed ? 1 : 0;
    int longest = 0;
    const bool equalCapacities = hasEqualCapacities(setup.capacity);
    for (const auto& reached : walk.walk(start)) {
        longest = std::max(longest, reached.distance);
        if (steps != 0 && reached.distance != steps) {
            continue;
        }
        for (const Amounts& order : orders) {
            const Candidate c = candidate(relabel(setup.capacity, order), relabel(setup.start, order),
                                          relabel(reached.amount, order));
            if (equalCapacities && !seen.insert(c.key()).second) {
                continue;
            }
            visit(reached.distance, c);
        }
    }
    return longest;
}

// Joins two words that a line must not part ("сосуд В", "9 литров", "Б — пусто") in a statement; the
// wrapping turns it into a blank.
constexpr char kTie = '\x01';

std::string tied(std::string_view a, std::string_view b) {
    return std::string(a) + kTie + std::string(b);
}

std::string tiedLitres(int amount) {
    return tied(std::to_string(amount), CountWord(amount, "литр", "литра", "литров"));
}

// "А", "Б и В": the letters of a group of vessels.
std::string letters(const std::vector<int>& vessels) {
    std::string text;
    for (std::size_t i = 0; i < vessels.size(); ++i) {
        text += i == 0 ? "" : (i + 1 == vessels.size() ? " и " : ", ");
        text += kVesselLetters[vessels[i]];
    }
    return text;
}

// "сосуд А полон воды", "сосуды Б и В пусты".
std::string groupState(const std::vector<int>& vessels, bool full, bool capital) {
    const bool one = vessels.size() == 1;
    std::string text = capital ? "С" : "с";
    text += one ? "осуд" : "осуды";
    text += kTie + letters(vessels) + " ";
    if (full) {
        text += one ? "полон воды" : "полны воды";
    } else {
        text += one ? "пуст" : "пусты";
    }
    return text;
}

// Words joined into lines of at most kStatementWidth characters, parted only at blanks.
std::vector<std::string> wrap(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t end = text.find(' ', from);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string word = text.substr(from, end - from);
        std::replace(word.begin(), word.end(), kTie, ' ');
        from = end + 1;
        if (word.empty()) {
            continue;
        }
        if (!line.empty() && utf8::length(line) + 1 + utf8::length(word) > kStatementWidth) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

// "При ёмкостях до 20 литров", the limits a refusal names.
std::string limitsPhrase(const VariantLimits& limits) {
    std::string text = "При ёмкостях " + CapacityLimitText(limits.maxCapacity);
    if (limits.unlimitedSource) {
        text += limits.pourBackAllowed ? " и бесконечном сосуде А"
                                       : " и бесконечном сосуде А, в который нельзя сливать воду,";
    }
    return text;
}

[[noreturn]] void refuse(int count, const VariantLimits& limits, std::size_t found, int longest) {
    const std::string exactly = "с кратчайшим решением ровно в " + StepsText(limits.steps);
    std::string sentence = limitsPhrase(limits);
    if (found == 0) {
        sentence += " нет задач " + exactly;
    } else {
        const int n = static_cast<int>(found);
        sentence += " есть всего " + std::to_string(n) + " " + CountWord(n, "задача", "задачи", "задач") +
                    " " + exactly + ", а нужно " + std::to_string(count);
    }
    sentence += "; самое длинное кратчайшее решение здесь — " + StepsText(longest) + ".";
    throw Error(sentence);
}

Variant makeVariant(const Candidate& c, const VariantLimits& limits) {
    Variant variant;
    variant.capacity = amounts(c.capacity);
    variant.start = amounts(c.start);
    variant.target = amounts(c.target);
    variant.task = VariantTask(variant.capacity, variant.start, variant.target, limits);
    const SolverResult result = Solve(variant.task);
    if (!result.solvable() || result.minimalSteps != limits.steps) {
        throw std::logic_error("a generated task does not take the asked number of steps");
    }
    variant.solution = result.solution;
    return variant;
}

} // namespace

std::string CapacityLimitText(int maxCapacity) {
    return "до " + std::to_string(maxCapacity) + " " + CountWord(maxCapacity, "литра", "литров", "литров");
}

std::array<int, kVesselCount> VariantBarHeights(const std::array<int, kVesselCount>& capacity,
                                                bool unlimitedSource) {
    const int first = unlimitedSource ? VesselB : VesselA;
    int largest = 1;
    for (int v = first; v < kVesselCount; ++v) {
        largest = std::max(largest, capacity[v]);
    }
    std::array<int, kVesselCount> height{kMaxHeight, kMaxHeight, kMaxHeight};
    for (int v = first; v < kVesselCount; ++v) {
        height[v] = std::max(kMinHeight, (kMaxHeight * capacity[v] + largest / 2) / largest);
    }
    return height;
}

std::vector<std::string> VariantStatement(const std::array<int, kVesselCount>& capacity,
                                          const std::array<int, kVesselCount>& start,
                                          const std::array<int, kVesselCount>& target,
                                          const VariantLimits& limits) {
    const int first = limits.unlimitedSource ? VesselB : VesselA;
    std::string text;
    if (limits.unlimitedSource) {
        text += limits.pourBackAllowed
                    ? "Сосуд А — бесконечный источник воды, сливать воду обратно в него можно. "
                    : "Сосуд А — бесконечный источник воды, но сливать воду обратно в него "
                      "нельзя. ";
    }
    for (int v = first; v < kVesselCount; ++v) {
        const std::string vessel = tied(v == first ? "Сосуд" : "сосуд", kVesselLetters[v]);
        text += v == first ? vessel + " вмещает " + tiedLitres(capacity[v])
                           : ", " + tied(vessel, tied("—", tiedLitres(capacity[v])));
    }
    text += ". ";

    std::vector<int> full;
    std::vector<int> empty;
    for (int v = first; v < kVesselCount; ++v) {
        (start[v] == capacity[v] ? full : empty).push_back(v);
    }
    if (!full.empty()) {
        text += groupState(full, true, true);
    }
    if (!empty.empty()) {
        text += full.empty() ? "" : ", ";
        text += groupState(empty, false, full.empty());
    }
    text += ". Нужно получить: ";
    for (int v = first; v < kVesselCount; ++v) {
        text += v == first ? "" : ", ";
        const std::string amount = target[v] == 0 ? std::string("пусто") : tiedLitres(target[v]);
        text += tied("в", tied("сосуде", tied(kVesselLetters[v], tied("—", amount))));
    }
    text += ".";
    return wrap(text);
}

TaskDefinition VariantTask(const std::array<int, kVesselCount>& capacity,
                           const std::array<int, kVesselCount>& start,
                           const std::array<int, kVesselCount>& target, const VariantLimits& limits) {
    TaskDefinition task;
    task.unlimitedSource = limits.unlimitedSource;
    task.pourBackAllowed = !limits.unlimitedSource || limits.pourBackAllowed;
    task.solutionControl = true;
    task.statementLines = VariantStatement(capacity, start, target, limits);
    task.commonTitle = "Сосуды";
    task.columnTitles = {"Сосуд А", "Сосуд Б", "Сосуд В"};
    const auto height = VariantBarHeights(capacity, limits.unlimitedSource);
    for (int v = 0; v < kVesselCount; ++v) {
        Vessel& vessel = task.vessels[v];
        vessel.capacity = capacity[v];
        vessel.initialAmount = start[v];
        vessel.targetAmount = target[v];
        vessel.height = height[v];
    }
    return task;
}

VariantCensus StoredVariantCensus(const VariantLimits& limits) {
    // For each capacity limit in turn: the longest solution, the number of step counts listed, then each with
    // its number of tasks; a step count not listed has kMaxVariantCount tasks or more.
    const std::uint16_t* at = VariantCensusTable(limits.unlimitedSource, limits.pourBackAllowed);
    for (int c = 1; c < limits.maxCapacity; ++c) {
        at += 2 + 2 * std::size_t{at[1]};
    }
    VariantCensus census;
    census.longest = at[0];
    census.countBySteps.assign(static_cast<std::size_t>(census.longest) + 1, kMaxVariantCount);
    census.countBySteps[0] = 0;
    for (std::size_t i = 0; i < at[1]; ++i) {
        census.countBySteps[at[2 + 2 * i]] = at[3 + 2 * i];
    }
    return census;
}

std::vector<VariantCensus> CountVariants(int maxCapacity, bool unlimitedSource, bool pourBackAllowed) {
    VariantLimits limits;
    limits.maxCapacity = maxCapacity;
    limits.unlimitedSource = unlimitedSource;
    limits.pourBackAllowed = pourBackAllowed;
    const std::vector<Amounts> orders = relabellings(unlimitedSource);
    StateWalk walk(maxCapacity);
    // The tasks are counted by the largest capacity they have, then summed up over the smaller limits.
    std::vector<VariantCensus> census(static_cast<std::size_t>(maxCapacity) + 1);
    std::vector<std::vector<long long>> counts(census.size());
    std::unordered_set<std::uint64_t> seen;
    PackedSetup lastCapacities = 0;
    for (PackedSetup packed : canonicalSetups(limits)) {
        // The setups of one set of capacities come together, and only they can give the same task.
        if ((packed & 0x1FFFFF) != lastCapacities) {
            seen.clear();
            lastCapacities = packed & 0x1FFFFF;
        }
        const Setup setup = unpack(packed, unlimitedSource);
        const int largest = unlimitedSource ? setup.capacity[VesselB] : setup.capacity[VesselA];
        auto& byStep = counts[static_cast<std::size_t>(largest)];
        VariantCensus& own = census[static_cast<std::size_t>(largest)];
        own.longest =
            std::max(own.longest, visitTasks(setup, limits, orders, 0, walk, seen,
                                             [&byStep](int distance, const Candidate&) {
                                                 if (byStep.size() <= static_cast<std::size_t>(distance)) {
                                                     byStep.resize(static_cast<std::size_t>(distance) + 1);
                                                 }
                                                 ++byStep[static_cast<std::size_t>(distance)];
                                             }));
    }
    std::vector<long long> total;
    int longest = 0;
    for (std::size_t c = 1; c < census.size(); ++c) {
        longest = std::max(longest, census[c].longest);
        total.resize(std::max(total.size(), counts[c].size()));
        for (std::size_t k = 0; k < counts[c].size(); ++k) {
            total[k] += counts[c][k];
        }
        census[c].longest = longest;
        census[c].countBySteps.assign(static_cast<std::size_t>(longest) + 1, 0);
        for (std::size_t k = 1; k < total.size() && k <= static_cast<std::size_t>(longest); ++k) {
            census[c].countBySteps[k] = static_cast<int>(std::min<long long>(total[k], kMaxVariantCount));
        }
    }
    return census;
}

std::vector<Variant> GenerateVariants(int count, const VariantLimits& limits, std::uint64_t seed) {
    if (count < 1 || count > kMaxVariantCount || limits.steps < 1 || limits.maxCapacity < kMinCapacity ||
        limits.maxCapacity > kMaxCapacity) {
        throw std::invalid_argument("variant count, steps or capacity out of range");
    }
    // Whether there are enough such tasks is known from the census at once; only then is the search run.
    const VariantCensus census = StoredVariantCensus(limits);
    if (census.count(limits.steps) < count) {
        refuse(count, limits, static_cast<std::size_t>(census.count(limits.steps)), census.longest);
    }
    SeededRandom random(seed);
    std::vector<PackedSetup> setups = canonicalSetups(limits);
    random.shuffle(setups);
    const std::vector<Amounts> orders = relabellings(limits.unlimitedSource);
    StateWalk walk(limits.maxCapacity);

    // The setups are visited in random order and each gives at most one task at first, so a set mixes many
    // capacities; the other tasks found on the way are kept (as many as could be needed) in case the walk
    // ends before the set is full. Two relabelled tasks can only coincide when capacities are equal, so only
    // those are remembered to tell them apart.
    std::vector<Candidate> chosen;
    std::vector<Candidate> spare;
    std::unordered_set<std::uint64_t> seenWithEqualCapacities;
    std::size_t found = 0;
    int longest = 0;
    std::vector<Candidate> local;
    for (PackedSetup packed : setups) {
        const Setup setup = unpack(packed, limits.unlimitedSource);
        local.clear();
        longest =
            std::max(longest, visitTasks(setup, limits, orders, limits.steps, walk, seenWithEqualCapacities,
                                         [&local](int, const Candidate& c) { local.push_back(c); }));
        if (local.empty()) {
            continue;
        }
        found += local.size();
        std::swap(local[random.below(local.size())], local.back());
        chosen.push_back(local.back());
        local.pop_back();
        if (chosen.size() == static_cast<std::size_t>(count)) {
            break;
        }
        for (const Candidate& c : local) {
            if (spare.size() >= static_cast<std::size_t>(count)) {
                break;
            }
            spare.push_back(c);
        }
    }
    if (chosen.size() < static_cast<std::size_t>(count)) {
        if (chosen.size() + spare.size() < static_cast<std::size_t>(count)) {
            refuse(count, limits, found, longest);
        }
        random.shuffle(spare);
        spare.resize(static_cast<std::size_t>(count) - chosen.size());
        chosen.insert(chosen.end(), spare.begin(), spare.end());
    }

    std::vector<Variant> variants;
    variants.reserve(chosen.size());
    for (const Candidate& c : chosen) {
        variants.push_back(makeVariant(c, limits));
    }
    return variants;
}

} // namespace trimerka
