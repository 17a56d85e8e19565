#pragma once

#include "core/model/CUserProjectModel.h"

#include <array>
#include <cstdint>

struct CRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const CRect&) const = default;
};

// Where one element box and its frame stand in the project window's client area.
struct CElementPlace {
    CRect Box;
    CRect Frame;
};

// Every slot's place, [position][level]; slots not in use are placed as well.
struct CHierarchyLayout {
    TElementGridOf<CElementPlace> Places{};
};

inline constexpr int GoalBoxWidth = 140;
inline constexpr int ElementBoxWidth = 95;
inline constexpr int ElementBoxHeight = 20;
inline constexpr int FrameMargin = 3;
inline constexpr int FrameHeight = 26;

// From the window's outer height: the goal on the left, levels side by side.
void LayoutHorizontal(CHierarchyLayout& layout, int windowHeight);
// From the window's outer width: the goal on top, levels one under another.
void LayoutVertical(CHierarchyLayout& layout, int windowWidth);
// Spreads the in-use elements of every level below the goal around the goal's axis.
// Unsigned arithmetic as the drawing always used: a small window wraps to negative places.
void CentreLevels(CHierarchyLayout& layout, const CUserProjectModel& project, bool vertical);

struct CShift {
    int X = 0;
    int Y = 0;
    bool operator==(const CShift&) const = default;
};

// Room kept above and left of the diagram when it has to be moved into reach.
inline constexpr int ReachMargin = 10;

// How far the whole diagram must move right and down so that no in-use frame starts
// left of or above the window's client area, where scrolling could never reach it (a
// crowded level in a small window is centred into negative places); zero on an axis
// where every frame is already in reach, so the places stay as laid out.
CShift ReachableShift(const CHierarchyLayout& layout, const CUserProjectModel& project);

struct CLinkLine {
    int X1 = 0;
    int Y1 = 0;
    int X2 = 0;
    int Y2 = 0;
    bool operator==(const CLinkLine&) const = default;
};

inline constexpr std::uint32_t MaxLinkLines
    = MaxElementsPerLevel + (MaxLevels - 2) * MaxElementsPerLevel * MaxElementsPerLevel;

struct CLinkSet {
    std::uint32_t Count = 0;
    std::array<CLinkLine, MaxLinkLines> Lines{};
};

// The links between consecutive levels, drawn only between visible elements.
void ComputeLinks(CLinkSet& links, const CHierarchyLayout& layout, const CUserProjectModel& project,
    const TElementGridOf<bool>& visible, bool vertical);
