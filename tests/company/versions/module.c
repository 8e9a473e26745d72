/* A module that carries nothing but the version resource built with it. */
int version_test_module;
