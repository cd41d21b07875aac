# Printing the shown channel list, on paper or as a PDF.
find_package(Qt6 REQUIRED COMPONENTS PrintSupport)
target_sources(kelmora_ui PRIVATE
    ui/print/channellistprinter.h ui/print/channellistprinter.cpp
    ui/print/printcontroller.h ui/print/printcontroller.cpp
)
target_link_libraries(kelmora_ui PUBLIC Qt6::PrintSupport)
