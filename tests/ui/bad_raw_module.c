/* tavix_bad_raw.dll carries resources only; it is loaded as a data file. */
int tavix_bad_raw_module;
