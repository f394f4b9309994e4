#pragma once

#include "handover/hand_over_channel.h"

#include <QStringList>
#include <functional>
#include <optional>

// A later start's hand-over through the session bus: Open with the files' URIs (Activate when
// there are none) called on the program that owns the name, and waited for as long as that
// program is there; a stopped program is waited for too, and the wait said, so that a study
// never has two owners. Nothing when there is no session bus or no program owns the name.
std::optional<HandOverOutcome> HandOverOnBus(const QStringList &files,
                                             const std::function<void(const QString &)> &say);
