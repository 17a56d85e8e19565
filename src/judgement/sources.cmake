set(CORE_SOURCES
  ExpertScaleTable.cpp
)
set(GUI_SOURCES
)
