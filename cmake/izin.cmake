# Run by cpack once a package's files are staged: the folders that cpack itself made take the
# permissions of those that the install made, whatever the umask of whoever builds.
file(CHMOD_RECURSE ${CPACK_TEMPORARY_DIRECTORY} DIRECTORY_PERMISSIONS ${CPACK_IZIN_FOLDER})
