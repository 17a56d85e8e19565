set(CORE_SOURCES
  Deviations.cpp
  LocalPriorities.cpp
  NumberFormat.cpp
  Synthesis.cpp
)
set(GUI_SOURCES
)
