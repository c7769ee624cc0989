#include "app/UndoStep.h"

#include "app/CloneDocument.h"

UndoStep::UndoStep(CloneDocument &document, const QString &text, ImagePatch undo, ImagePatch redo, bool edit)
    : QUndoCommand(text), m_document(document), m_undo(std::move(undo)), m_redo(std::move(redo)), m_edit(edit)
{
}

void UndoStep::undo()
{
    m_document.apply(m_undo);
    m_done = false;
}

void UndoStep::redo()
{
    if (!m_done)
        m_document.apply(m_redo);
    m_done = true;
}
