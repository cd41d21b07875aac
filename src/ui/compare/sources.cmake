# Comparing the open file with another one and copying channels over.
target_sources(kelmora_ui PRIVATE
    ui/compare/comparisonmodel.h ui/compare/comparisonmodel.cpp
    ui/compare/comparisonview.h ui/compare/comparisonview.cpp
    ui/compare/comparedock.h ui/compare/comparedock.cpp
    ui/compare/channeldropfilter.h ui/compare/channeldropfilter.cpp
    ui/compare/comparecontroller.h ui/compare/comparecontroller.cpp
)
