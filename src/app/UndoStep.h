#pragma once

#include "codec/ImagePatch.h"

#include <QUndoCommand>

class CloneDocument;

// One step of the document's edit history: the patch that undoes it and
// the one that does it again. The change itself has been made when the
// step is recorded, so the stack's first redo does nothing.
class UndoStep : public QUndoCommand
{
public:
    // `edit`: the step is an edit (a read from the radio is none).
    UndoStep(CloneDocument &document, const QString &text, ImagePatch undo, ImagePatch redo, bool edit);

    bool isEdit() const { return m_edit; }

    void undo() override;
    void redo() override;

private:
    CloneDocument &m_document;
    ImagePatch m_undo;
    ImagePatch m_redo;
    bool m_done = true;
    bool m_edit = true;
};
