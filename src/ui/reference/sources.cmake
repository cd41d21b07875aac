# The preview of applying another file's channel order.
target_sources(kelmora_ui PRIVATE
    ui/reference/applyorderdialog.h ui/reference/applyorderdialog.cpp
    ui/reference/applyorderdialog.ui
    ui/reference/referencecontroller.h ui/reference/referencecontroller.cpp
)
