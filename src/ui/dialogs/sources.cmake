# The edit dialogs and their fields, the column dialog, the About box and
# the questions the window asks (a file changed meanwhile, recovery copies
# offered at start).
target_sources(kelmora_ui PRIVATE
    ui/dialogs/editdialog.h ui/dialogs/editdialog.cpp
    ui/forms/satellitedialog.ui
    ui/forms/transponderdialog.ui
    ui/forms/channeldialog.ui
    ui/forms/providerdialog.ui
    ui/forms/favoritegroupdialog.ui
    ui/dialogs/satellitedialog.cpp
    ui/dialogs/transponderdialog.cpp
    ui/dialogs/channeldialog.cpp
    ui/dialogs/dialogfields.h ui/dialogs/dialogfields.cpp
    ui/dialogs/boundedintvalidator.h ui/dialogs/boundedintvalidator.cpp
    ui/dialogs/nameroomvalidator.h ui/dialogs/nameroomvalidator.cpp
    ui/dialogs/selectcolumnsdialog.h ui/dialogs/selectcolumnsdialog.cpp
    ui/forms/selectcolumnsdialog.ui
    ui/dialogs/aboutbox.h ui/dialogs/aboutbox.cpp
    ui/dialogs/changedfileprompt.h ui/dialogs/changedfileprompt.cpp
    ui/dialogs/recoveryoffer.h ui/dialogs/recoveryoffer.cpp
)
