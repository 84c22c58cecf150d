# Run by cpack between installing into its staging folder and packing it:
# the folders it made there carry the builder's umask (0700 under umask 077,
# which would make /usr unreadable for every other user once installed).
# Everything gets the permissions the install asked for: read for all,
# write for the owner only, execute where it was set, folders 0755.
execute_process(COMMAND chmod -R u+rwX,go+rX,go-w ${CPACK_TEMPORARY_INSTALL_DIRECTORY}
    COMMAND_ERROR_IS_FATAL ANY)
