# Run by cpack once a package's files are staged: every folder in it, whether the install or
# cpack made it, takes the install's folder permissions, whatever the umask of whoever packs.
file(CHMOD_RECURSE ${CPACK_TEMPORARY_DIRECTORY} DIRECTORY_PERMISSIONS
     ${CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
