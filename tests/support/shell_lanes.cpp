// Prints tests/support/lanes, the lanes' and the level choices' places for
// the shell tests, from core/lanes.h and core/levelpanel.h, so that no
// script keeps numbers of its own.
//   shell_lanes                  prints the file; remake it with
//                                build-test/tests/shell_lanes >tests/support/lanes
//   shell_lanes --check FILE     fails when FILE differs (CTest shell_lanes)
#include "core/lanes.h"
#include "core/levelpanel.h"
#include "drill/levels.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::ostringstream out;

// NAME_x=([1]=.. [2]=.. ..), then _y and, for a rectangle, _w and _h.
template <typename Place>
void perIndex(const std::string &name, int count, Place place, int parts)
{
    for (int p = 0; p < parts; ++p) {
        out << name << '_' << "xywh"[p] << "=(";
        for (int i = 1; i <= count; ++i) {
            const QRect r = place(i);
            const int v[] = {r.x(), r.y(), r.width(), r.height()};
            out << (i > 1 ? " [" : "[") << i << "]=" << v[p];
        }
        out << ")\n";
    }
}

template <typename Place>
void perLane(const char *name, Place place, int parts)
{
    perIndex(std::string("lane_") + name, Lane::Count, place, parts);
}

void point(const char *name, QPoint (*at)(int))
{
    perLane(name, [at](int lane) { return QRect(at(lane), QSize()); }, 2);
}

void rect(const char *name, QRect (*of)(int)) { perLane(name, of, 4); }

} // namespace

int main(int argc, char **argv)
{
    out << "# Made by shell_lanes from core/lanes.h and core/levelpanel.h; do not\n"
           "# edit. Drawing panel pixels; each lane_ array is indexed by the lane,\n"
           "# 1 to lane_count; level_choice_ by the level, in the wide level panel.\n";
    out << "lane_count=" << Lane::Count << "\nlane_click_foot=" << Lane::ClickFoot << "\n";
    rect("band", LaneBand::rect);
    point("invitation", Lane::invitationAt);
    point("score_line", Lane::scoreLineAt);
    point("mark", Lane::markAt);
    point("hint", Lane::hintAt);
    point("number_box", Lane::numberBoxAt);
    point("unit_box", Lane::unitBoxAt);
    rect("keypad", Lane::keypadStrip);
    rect("check", Lane::checkButton);
    rect("speaker", Lane::speakerButton);
    // Keys, along the keypad strip's inside.
    out << "key_side=" << Lane::KeySide << "\nkey_pitch=" << Lane::KeyPitch << "\nunit_keys_x=" << Lane::unitKey(0).x()
        << "\nerase_key_x=" << Lane::eraseKey().x() << "\n";
    perIndex("level_choice", LevelCount, [](int level) { return LevelPanel::choice(level - 1, LevelCount, true); }, 4);
    if (argc == 1) {
        std::fputs(out.str().c_str(), stdout);
        return 0;
    }
    if (argc != 3 || std::strcmp(argv[1], "--check") != 0) {
        std::fprintf(stderr, "usage: shell_lanes [--check FILE]\n");
        return 2;
    }
    std::ifstream file(argv[2]);
    std::stringstream committed;
    committed << file.rdbuf();
    if (committed.str() == out.str())
        return 0;
    std::fprintf(stderr, "shell_lanes: %s differs from core/lanes.h; remake it\n", argv[2]);
    return 1;
}
