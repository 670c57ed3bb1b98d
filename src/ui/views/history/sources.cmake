target_sources(sorbeta_ui PRIVATE)
