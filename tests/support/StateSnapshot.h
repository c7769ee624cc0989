#pragma once

#include <QString>

class CloneImage;
class CloneDocument;
struct ChannelRow;
struct VfoRow;

// Every piece of an image as one text, one line per row, for "left exactly
// as it was" comparisons in tests (a failing QCOMPARE shows the first line
// that differs).
QString imageSnapshot(const CloneImage &image);
// The document's data: its image, whether it has unsaved changes, and its file name.
QString stateSnapshot(const CloneDocument &state);

// A row's cells as QCOMPARE prints them (found through the row's type).
char *toString(const ChannelRow &row);
char *toString(const VfoRow &row);
