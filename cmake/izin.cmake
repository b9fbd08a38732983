# Run by cpack once a package's files are staged: the folders that cpack itself made take the
# same permissions as those of the install, whatever the umask of whoever builds.
file(CHMOD_RECURSE ${CPACK_TEMPORARY_DIRECTORY} DIRECTORY_PERMISSIONS
     OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
