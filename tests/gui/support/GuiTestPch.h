#pragma once

// The heavy headers the GUI test files share, parsed once for all of them.
#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPieSeries>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>
