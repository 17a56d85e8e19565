#include "core/model/TLoadSaveProject.h"

CLoadSaveProjectHierarchy_Element::CLoadSaveProjectHierarchy_Element()
    : Judgements(MaxElementsPerLevel, MaxElementsPerLevel)
    , Comment(DefaultComment)
{
    Judgements.FillOnes();
}
