#pragma once

#include "gui/judgement/TfmExpertForm.h"
#include "gui/judgement/TfmExpertScale.h"
#include "gui/results/TfmAbsoluteMatrix.h"

#include <QWidget>

// The comparison window of the window benchmarks with its scale and research windows as
// partners, and an owner the size of the frame at 1024 x 768 to be placed over.
struct CComparisonWindows {
    CComparisonWindows()
    {
        Form.SetPartnerWindows(&Scale, &Research);
        Owner.resize(1024, 700);
    }

    TfmExpertForm Form;
    TfmExpertScale Scale;
    TfmAbsoluteMatrix Research;
    QWidget Owner;
};
