set(CORE_SOURCES
  CHierarchy_Element.cpp
  CUserProjectModel.cpp
  TextLimits.cpp
)
set(GUI_SOURCES
)
