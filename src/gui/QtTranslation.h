#pragma once

#include <QStringList>

// Qt's own texts (standard buttons, the file dialogs, the text boxes' menu)
// in Japanese, as the program's own texts are, whatever the machine's locale.
namespace QtTranslation {

// Where Qt's translations are looked for: "translations" beside the program
// (where a Windows or macOS package carries them), then Qt's own folder.
QStringList folders();
// Installs Qt's Japanese texts from the first folder that has them, before
// any window opens. False when none has them: Qt's English texts stay.
bool installJapanese(const QStringList &searched = folders());

} // namespace QtTranslation
