# sources of this area: target_sources(ovelune_core PRIVATE ...)
