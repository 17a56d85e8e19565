set(CORE_SOURCES
)
set(GUI_SOURCES
  CAppWindows.cpp
  CQtUserDialogs.cpp
)
