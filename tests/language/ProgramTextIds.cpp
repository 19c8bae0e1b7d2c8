#include "ProgramTextIds.h"

namespace {

struct IdRange {
    int first;
    int last;
};

// Grouped as the screens use them; single ids are ranges of one.
constexpr IdRange kRanges[] = {
    {2, 2},     {5, 7},     {11, 13},   {16, 17},   {20, 20},   {23, 23},   {25, 27},
    {30, 32},   {36, 36},   {38, 39},   {50, 57},   {61, 61},   {71, 77},   {100, 134},
    {139, 140}, {143, 143}, {150, 155}, {160, 168}, {170, 171}, {175, 177}, {250, 260},
    {265, 272}, {275, 276}, {280, 283}, {350, 353}, {355, 355}, {357, 368}, {380, 380},
    {385, 398}, {400, 403}, {405, 414}, {500, 503}, {505, 509}, {511, 512}, {515, 517},
    {520, 522}, {525, 543}, {545, 545}, {550, 559}, {570, 576}, {601, 602}, {605, 607},
    {610, 614}, {760, 787},
};

}  // namespace

std::vector<int> ProgramTextIds() {
    std::vector<int> ids;
    for (const IdRange& range : kRanges)
        for (int id = range.first; id <= range.last; ++id) ids.push_back(id);
    return ids;
}
