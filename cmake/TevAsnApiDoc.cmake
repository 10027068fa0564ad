# The API reference: Doxygen over the public headers (include/), every
# warning an error, as HTML in <build>/api/html (installed with the headers).
find_package(Doxygen REQUIRED doxygen)
set(DOXYGEN_PROJECT_NAME TevAsnValue)
set(DOXYGEN_PROJECT_NUMBER ${PROJECT_VERSION})
set(DOXYGEN_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/api)
set(DOXYGEN_GENERATE_HTML YES)
set(DOXYGEN_GENERATE_LATEX NO)
set(DOXYGEN_EXTRACT_ALL NO)
set(DOXYGEN_WARN_IF_UNDOCUMENTED YES)
set(DOXYGEN_WARN_NO_PARAMDOC NO)
set(DOXYGEN_WARN_AS_ERROR FAIL_ON_WARNINGS)
set(DOXYGEN_QUIET YES)
set(DOXYGEN_FULL_PATH_NAMES NO)
set(DOXYGEN_SEARCHENGINE NO)
set(DOXYGEN_HTML_TIMESTAMP NO)
set(DOXYGEN_JAVADOC_AUTOBRIEF YES)
set(DOXYGEN_MACRO_EXPANSION YES)
set(DOXYGEN_ENABLE_PREPROCESSING YES)
# The export macros carry no meaning for the reader.
set(DOXYGEN_PREDEFINED TEV_ASN_API= TEV_ASN_TABLE_API=)
doxygen_add_docs(tevasn_api_doc ${PROJECT_SOURCE_DIR}/include ALL
                 COMMENT "API reference (Doxygen, warnings are errors)")
