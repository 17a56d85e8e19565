set(CORE_SOURCES
  ExpertScaleTable.cpp
)
set(GUI_SOURCES
  CExpertTable_Element.cpp
  TfmExpertForm.cpp
  TfmExpertScale.cpp
)
