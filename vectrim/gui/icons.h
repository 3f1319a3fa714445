// The images of the picture buttons of the main window, drawn in code.
#pragma once

#include <QIcon>
#include <QString>

namespace vectrim {

// The image of the picture control `name` ("Picture9", "Picture17", ...);
// an empty icon for other names.
QIcon pictureIcon(const QString& name);

} // namespace vectrim
