# The offer of recovery copies at start.
target_sources(kelmora_ui PRIVATE
    ui/recoveryoffer.h ui/recoveryoffer.cpp
)
