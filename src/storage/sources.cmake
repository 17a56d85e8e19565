set(CORE_SOURCES
  TLoadSaveProject.cpp
)
set(GUI_SOURCES
)
