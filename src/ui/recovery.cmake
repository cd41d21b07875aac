# The window's side of saving and of recovery copies: the question about a
# file changed meanwhile, and the offer of recovery copies at start.
target_sources(kelmora_ui PRIVATE
    ui/changedfileprompt.h ui/changedfileprompt.cpp
    ui/recoveryoffer.h ui/recoveryoffer.cpp
)
