#include "core/model/TLoadSaveProject.h"

#include "core/model/ModelPhrases.h"

CLoadSaveProjectHierarchy_Element::CLoadSaveProjectHierarchy_Element()
    : Judgements(MaxElementsPerLevel, MaxElementsPerLevel)
    , Comment(Tr(ModelPhrases::DefaultComment))
{
    Judgements.FillOnes();
}
