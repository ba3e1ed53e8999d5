#pragma once

#include <QKeySequence>

#include "resources/KeyTable.h"

// The Qt shortcut for an entry of the key table; empty for a key Qt cannot name.
QKeySequence KeySequenceOf(const res::KeyEntry& entry);
