#pragma once

#include "handover/hand_over_channel.h"

#include <QStringList>

class StudyManager;
class QWidget;

// Opens the studies that a later start handed over, as that start would have opened them alone
// (it fails when none of them opens), and brings the window forward. The later start is answered
// before anything waits for the user: why a study did not open is shown in the window only once
// the event loop runs again, and is given to the later start with the study's path.
HandOverOutcome OpenHandedOver(StudyManager &studies, QWidget *window, const QStringList &files);
