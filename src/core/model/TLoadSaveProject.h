#pragma once

#include "core/model/CJudgement.h"
#include "core/model/ModelConstants.h"

#include <array>
#include <cstdint>
#include <string>

// One element as the file reader left it.
class CLoadSaveProjectHierarchy_Element {
public:
    CLoadSaveProjectHierarchy_Element();
    virtual ~CLoadSaveProjectHierarchy_Element() = default;
    CLoadSaveProjectHierarchy_Element(const CLoadSaveProjectHierarchy_Element&) = default;
    CLoadSaveProjectHierarchy_Element& operator=(const CLoadSaveProjectHierarchy_Element&) = default;

    CJudgementMatrix Judgements;
    std::string Name;
    std::string Comment;
};

// The exchange record between the file reader and the hierarchy builder. One lives
// in the frame for the whole run and is reused for every read without being cleared.
class TLoadSaveProject {
public:
    TLoadSaveProject() = default;
    TLoadSaveProject(const TLoadSaveProject&) = delete;
    TLoadSaveProject& operator=(const TLoadSaveProject&) = delete;
    virtual ~TLoadSaveProject() = default;

    // [position][level]
    std::array<std::array<CLoadSaveProjectHierarchy_Element, MaxLevels>, MaxElementsPerLevel> Elements;
    std::uint32_t LevelCount = 0;
    std::array<std::int32_t, MaxLevels> ElementsPerLevel{1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
};
