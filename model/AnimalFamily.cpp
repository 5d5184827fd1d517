#include "model/AnimalFamily.h"

#include "model/Text.h"

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

constexpr size_t NoParent = static_cast<size_t>(-1);

std::string Quoted(const std::string& name) {
    return "\"" + name + "\"";
}

// Animals that lie on a loop of parent links, by Tarjan's strongly connected components run with an
// explicit stack: a family recorded as one long line of descent must not exhaust the call stack.
std::vector<bool> FindAnimalsOnLoops(const std::vector<std::pair<size_t, size_t>>& parents) {
    const size_t count = parents.size();
    constexpr size_t Unvisited = static_cast<size_t>(-1);
    std::vector<size_t> order(count, Unvisited), low(count, 0);
    std::vector<bool> onStack(count, false), onLoop(count, false);
    std::vector<size_t> component;
    struct TFrame {
        size_t Animal;
        int NextEdge;
    };
    std::vector<TFrame> frames;
    size_t nextOrder = 0;
    auto parentOf = [&](size_t animal, int edge) {
        return edge == 0 ? parents[animal].first : parents[animal].second;
    };
    for (size_t root = 0; root < count; ++root) {
        if (order[root] != Unvisited)
            continue;
        frames.push_back({root, 0});
        order[root] = low[root] = nextOrder++;
        component.push_back(root);
        onStack[root] = true;
        while (!frames.empty()) {
            TFrame& frame = frames.back();
            const size_t animal = frame.Animal;
            if (frame.NextEdge < 2) {
                const size_t parent = parentOf(animal, frame.NextEdge++);
                if (parent == NoParent)
                    continue;
                if (parent == animal)
                    onLoop[animal] = true;
                if (order[parent] == Unvisited) {
                    order[parent] = low[parent] = nextOrder++;
                    component.push_back(parent);
                    onStack[parent] = true;
                    frames.push_back({parent, 0});
                } else if (onStack[parent]) {
                    low[animal] = std::min(low[animal], order[parent]);
                }
                continue;
            }
            frames.pop_back();
            if (!frames.empty())
                low[frames.back().Animal] = std::min(low[frames.back().Animal], low[animal]);
            if (low[animal] != order[animal])
                continue;
            // The component is the top of the stack down to this animal: searched from the top, so that
            // every animal is passed over once.
            const auto first = std::find(component.rbegin(), component.rend(), animal).base() - 1;
            const bool loop = component.end() - first > 1;
            for (auto member = first; member != component.end(); ++member) {
                onStack[*member] = false;
                onLoop[*member] = onLoop[*member] || loop;
            }
            component.erase(first, component.end());
        }
    }
    return onLoop;
}

} // namespace

std::optional<TFamilyProblem> FindFamilyProblem(const TAnimalList& animals) {
    std::unordered_map<std::string, size_t> byName;
    byName.reserve(animals.size());
    std::vector<std::optional<std::string>> nameProblems(animals.size());
    for (size_t i = 0; i < animals.size(); ++i) {
        const std::string& name = animals[i].Name;
        if (name.empty())
            nameProblems[i] = "Animal " + std::to_string(i + 1) + " has no name.";
        else if (!byName.emplace(LowerCase(name), i).second)
            nameProblems[i] = "The name " + Quoted(name) + " is given to more than one animal.";
    }
    std::vector<std::pair<size_t, size_t>> parents(animals.size(), {NoParent, NoParent});
    std::vector<std::optional<std::string>> parentProblems(animals.size());
    for (size_t i = 0; i < animals.size(); ++i) {
        const TAnimal& animal = animals[i];
        auto findParent = [&](const std::string& parentName, const char* role, TSex sex,
                              const char* sexText) {
            if (parentName.empty() || parentProblems[i])
                return NoParent;
            const auto found = byName.find(LowerCase(parentName));
            if (found == byName.end())
                parentProblems[i] = "The " + std::string(role) + " " + Quoted(parentName) + " of " +
                                    Quoted(animal.Name) + " is not among the animals.";
            else if (animals[found->second].Sex != sex)
                parentProblems[i] = "The " + std::string(role) + " " + Quoted(parentName) + " of " +
                                    Quoted(animal.Name) + " is not " + sexText + ".";
            return parentProblems[i] ? NoParent : found->second;
        };
        parents[i].first = findParent(animal.Sire, "sire", TSex::Male, "a male");
        parents[i].second = findParent(animal.Dam, "dam", TSex::Female, "a female");
    }
    const std::vector<bool> onLoop = FindAnimalsOnLoops(parents);
    for (size_t i = 0; i < animals.size(); ++i) {
        if (nameProblems[i])
            return TFamilyProblem{i, *nameProblems[i]};
        if (parentProblems[i])
            return TFamilyProblem{i, *parentProblems[i]};
        if (onLoop[i])
            return TFamilyProblem{i, Quoted(animals[i].Name) + " is among its own ancestors."};
    }
    return std::nullopt;
}
