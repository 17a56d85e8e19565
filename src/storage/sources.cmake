set(CORE_SOURCES
  TLoadSaveProject.cpp
  Codec1251.cpp
  CMemorySink.cpp
  ProjectFile.cpp
)
set(GUI_SOURCES
)
