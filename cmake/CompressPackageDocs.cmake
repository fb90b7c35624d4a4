# Run by CPack on the staged package tree before it is packed: compresses
# every manual page and the package's changelog, as Debian policy asks,
# reproducibly (no name or time stamp in the file).
file(GLOB_RECURSE package_docs
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/man/man[1-9]/*.[1-9]"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/doc/*/changelog.Debian")
if(NOT package_docs)
  message(FATAL_ERROR "no manual page or changelog found under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(file IN LISTS package_docs)
  execute_process(COMMAND gzip -9nf "${file}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
